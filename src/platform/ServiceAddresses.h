#pragma once
// The base addresses of the outside services the program talks to. Each can be replaced by
// an environment variable, for tests against loopback servers and for self-hosting.

#include <QString>

// Facebook's web host (the sign-in dialog and its success page): KORIV_FACEBOOK_WWW.
QString pmFacebookWwwBase();
// Facebook's Graph API host (the permission check): KORIV_FACEBOOK_GRAPH.
QString pmFacebookGraphBase();
// Facebook's video upload host: KORIV_FACEBOOK_VIDEO.
QString pmFacebookVideoBase();
// The YouTube home page, opened in the browser.
QString pmYouTubeHome();
