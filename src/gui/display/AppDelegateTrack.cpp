// The controller's side of the journey: the track of the selected recording, followed with
// the play time.
#include "AppDelegate.h"
