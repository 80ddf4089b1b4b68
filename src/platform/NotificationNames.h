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
// The tool bar's buttons (object: the button) and its settings menu (object: the item's tag,
// kSettingsMenuKey: which menu), the calendar's mode button (object: whether the month grid is
// shown now), and the map panel's full-map button and speed-unit menu (object: the unit).
inline constexpr const char* kToolbarButtonClickedNotification = KORIV_NOTIFICATION("ToolbarButtonClickedNotification");
inline constexpr const char* kSettingsMenuItemClickedNotification = KORIV_NOTIFICATION("SettingsMenuItemClickedNotification");
inline constexpr const char* kCalendarModeChangedNotification = KORIV_NOTIFICATION("CalendarModeChangedNotification");
inline constexpr const char* kMapViewFullMapNotification = KORIV_NOTIFICATION("MapViewFullMapNotification");
inline constexpr const char* kMapViewSpeedUnitNotification = KORIV_NOTIFICATION("MapViewSpeedUnitNotification");
// A click on the drawn trip's route: object, the recording (its id in the drawn trip);
// kRouteSecondKey, the second of the nearest sample.
inline constexpr const char* kMapViewRouteClickedNotification = KORIV_NOTIFICATION("MapViewRouteClickedNotification");
inline constexpr const char* kRouteSecondKey = "ROUTE_SECOND";
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

// The upload-video-changed notification: what the sign-in or the selection dialog hands over
// (kUploadTypeKey, an UploadType as int), and the sign-in's access tokens.
inline constexpr const char* kUploadTypeKey = "UPLOAD_TYPE";
enum class UploadType : int { Cancelled = 0, LoggedIn = 1, Selected = 2 };
inline constexpr const char* kFBKeyKey = "FBKey";
inline constexpr const char* kYouTubeKeyKey = "YouTubeKey";

inline constexpr const char* kSettingsMenuKey = "SETTINGS_MENU";
enum class SettingsMenu : int { Language = 0, Skin = 1, About = 2 };
