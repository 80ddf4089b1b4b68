#pragma once
// The keys of the per-user preference store and the values that go with them. Every caller
// names a key through these constants so the stored names cannot drift apart.

inline constexpr const char* kPrefLanguageId = "LANGUAGE_ID";
inline constexpr const char* kPrefSkinId = "SKIN_ID";
inline constexpr const char* kPrefVolume = "Volume";
inline constexpr const char* kPrefSpeedUnit = "SpeedUnit";
inline constexpr const char* kPrefCurrentFolder = "CurrentFolder";
inline constexpr const char* kPrefExportFolder = "ExportFolder";
inline constexpr const char* kPrefCaptureFolder = "CaptureFolder";
// The folders last shown, newest first, and the main window's frame as Qt saves it (base64).
inline constexpr const char* kPrefRecentFolders = "RecentFolders";
inline constexpr const char* kPrefWindowGeometry = "WindowGeometry";
// Where the event recordings of an inserted card are backed up; absent or empty: not offered.
inline constexpr const char* kPrefCardBackupFolder = "CardBackupFolder";

inline constexpr int kDefaultVolume = 8;
inline constexpr int kDefaultSpeedUnit = 0;

// Language ids run from 0 (English) to 21 (Japanese); 13 is Arabic, written right to left.
inline constexpr int kLanguageCount = 22;
inline constexpr int kLanguageEnglish = 0;
inline constexpr int kLanguageArabic = 13;

// Skin ids run from 0 to 3.
inline constexpr int kSkinCount = 4;

// The Facebook access token of the last sign-in.
inline constexpr const char* kPrefFacebookKey = "FB_KEY";
