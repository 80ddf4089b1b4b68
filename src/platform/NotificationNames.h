#pragma once
// Names of the notifications the panels and the controller exchange, and the user-info keys
// they carry. Each text is defined here once; every poster and observer names it through these.

#define KORIV_NOTIFICATION(name) "com.ulvar.korivmanager:" name

inline constexpr const char* kPlayBarButtonClickedNotification = KORIV_NOTIFICATION("PlayBarButtonClickedNotification");
inline constexpr const char* kSliderChangedNotification = KORIV_NOTIFICATION("SliderChangedNotification");
inline constexpr const char* kDoSliderChangedNotification = KORIV_NOTIFICATION("DoSliderChangedNotification");
inline constexpr const char* kCheckBoxChangedNotification = KORIV_NOTIFICATION("CheckBoxChangedNotification");
inline constexpr const char* kComboBoxChangedNotification = KORIV_NOTIFICATION("ComboBoxChangedNotification");
inline constexpr const char* kListBoxChangedNotification = KORIV_NOTIFICATION("ListBoxChangedNotification");
inline constexpr const char* kFileListBoxChangedNotification = KORIV_NOTIFICATION("FileListBoxChangedNotification");
inline constexpr const char* kFileListBoxDoubleClickNotification = KORIV_NOTIFICATION("FileListBoxDoubleClickNotification");
inline constexpr const char* kFileListViewCheckBoxNotification = KORIV_NOTIFICATION("FileListViewCheckBoxNotification");
inline constexpr const char* kFileListViewDoubleClickNotification = KORIV_NOTIFICATION("FileListViewDoubleClickNotification");
inline constexpr const char* kCalendarSelChangedNotification = KORIV_NOTIFICATION("CalendarSelChangedNotification");
inline constexpr const char* kMapViewReadyNotification = KORIV_NOTIFICATION("MapViewReadyNotification");
inline constexpr const char* kAVPlayerReadyToPlayNotification = KORIV_NOTIFICATION("AVPlayerReadyToPlayNotification");
inline constexpr const char* kVideoEndNotification = KORIV_NOTIFICATION("VideoEndNotification");
inline constexpr const char* kVideoFileIsRemoved = KORIV_NOTIFICATION("VideoFileIsRemoved");
inline constexpr const char* kUploadVideoChangedNotification = KORIV_NOTIFICATION("UploadVideoChangedNotification");

#undef KORIV_NOTIFICATION

// User-info keys: the identity string of the control's owner, and of the control itself.
inline constexpr const char* kParentWindowKey = "PARENT_WINDOW";
inline constexpr const char* kCheckBoxWindowKey = "CHECKBOX_WINDOW";
inline constexpr const char* kComboWindowKey = "COMBO_WINDOW";
inline constexpr const char* kSliderWindowKey = "SLIDER_WINDOW";
inline constexpr const char* kCalendarWindowKey = "CALENDAR_WINDOW";
inline constexpr const char* kSliderTypeKey = "SLIDER_TYPE";
// The values of kSliderTypeKey: which of the play bar's sliders the user moved.
inline constexpr const char* kSliderTypeVolume = "volume";
inline constexpr const char* kSliderTypeTime = "time";

// The upload-video-changed notification: 0 cancelled, 1 signed in, 2 selection confirmed,
// and the sign-in's access tokens.
inline constexpr const char* kUploadTypeKey = "UPLOAD_TYPE";
inline constexpr const char* kFBKeyKey = "FBKey";
inline constexpr const char* kYouTubeKeyKey = "YouTubeKey";
