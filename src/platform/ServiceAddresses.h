#pragma once
// The addresses of the outside services the program talks to. Each can be replaced through
// an environment variable, for tests (loopback servers) and for self-hosting.

#include <QString>
#include <QUrl>

// The page the connectivity check fetches (KORIV_CHECK_URL).
QUrl pmCheckPageUrl();
// The map tile template with {z}/{x}/{y} (KORIV_TILE_URL); OpenStreetMap by default.
QString pmMapTileTemplate();
// The attribution the map shows for its tiles (HTML).
QString pmMapTileAttribution();

// Facebook's web host (the sign-in dialog and its success page): KORIV_FACEBOOK_WWW.
QString pmFacebookWwwBase();
// Facebook's Graph API host (the permission check): KORIV_FACEBOOK_GRAPH.
QString pmFacebookGraphBase();
// Facebook's video upload host: KORIV_FACEBOOK_VIDEO.
QString pmFacebookVideoBase();
// The YouTube home page, opened in the browser.
QString pmYouTubeHome();
