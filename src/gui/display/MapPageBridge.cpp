#include "MapPageBridge.h"

void MapPageBridge::routeClicked(int recording, int second)
{
    // The page is ours, but what crosses the channel is still checked: the ids and seconds of
    // a drawn trip are never negative.
    if (recording >= 0 && second >= 0)
        emit clicked(recording, second);
}
