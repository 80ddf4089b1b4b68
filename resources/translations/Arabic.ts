<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name></name>
    <message id="IDR_MAINFRAME">
        <source>Koriv Manager</source>
        <translation>Koriv Manager</translation>
    </message>
    <message id="IDS_ABOUT">
        <source>About Koriv Manager</source>
        <translation>حول Koriv Manager</translation>
    </message>
    <message id="IDS_ALL">
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message id="IDS_ALTITUDE">
        <source>Altitude</source>
        <translation>الارتفاع</translation>
    </message>
    <message id="IDS_BACKUP">
        <source>Backup</source>
        <translation>نسخ احتياطي</translation>
    </message>
    <message id="IDS_CALENDAR">
        <source>Calendar</source>
        <translation>التقويم</translation>
    </message>
    <message id="IDS_CANCEL">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="IDS_CAPTURE">
        <source>Capture</source>
        <translation>التقاط</translation>
    </message>
    <message id="IDS_CAPTURE_PREVIEW">
        <source>Capture Preview</source>
        <translation>معاينة اللقطة</translation>
    </message>
    <message id="IDS_CHANGE_LANGUAGE">
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message id="IDS_CHANGE_SKIN">
        <source>Skin</source>
        <translation>المظهر</translation>
    </message>
    <message id="IDS_CHANGE_SPEED_UNIT">
        <source>Speed unit</source>
        <translation>وحدة السرعة</translation>
    </message>
    <message id="IDS_CLOSE">
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message id="IDS_DESCRIPTION">
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message id="IDS_DIRECTION">
        <source>Heading</source>
        <translation>الاتجاه</translation>
    </message>
    <message id="IDS_EMAIL">
        <source>E-mail</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message id="IDS_ERR_EMAIL_PASSWORD">
        <source>Wrong e-mail address or password.</source>
        <translation>البريد الإلكتروني أو كلمة المرور غير صحيحة.</translation>
    </message>
    <message id="IDS_ERR_FOLDER_READ_ONLY">
        <source>This folder is read-only. Choose another folder.</source>
        <translation>هذا المجلد للقراءة فقط. اختر مجلدًا آخر.</translation>
    </message>
    <message id="IDS_ERR_INSTALL_CODEC">
        <source>This video cannot be played. Install the missing video codec and try again.</source>
        <translation>تعذّر تشغيل هذا الفيديو. ثبّت برنامج ترميز الفيديو المطلوب ثم أعد المحاولة.</translation>
    </message>
    <message id="IDS_ERR_NO_DISK_SPACE">
        <source>Not enough free disk space.</source>
        <translation>لا توجد مساحة كافية على القرص.</translation>
    </message>
    <message id="IDS_ERR_NO_GPS_DATA">
        <source>No GPS data</source>
        <translation>لا توجد بيانات GPS</translation>
    </message>
    <message id="IDS_ERR_NO_GSENSOR_DATA">
        <source>No G-sensor data</source>
        <translation>لا توجد بيانات مستشعر الجاذبية</translation>
    </message>
    <message id="IDS_ERR_NO_INTERNET">
        <source>No internet connection.</source>
        <translation>لا يوجد اتصال بالإنترنت.</translation>
    </message>
    <message id="IDS_ERR_OVER_MAX_UPLOAD">
        <source>You can upload up to 10 files at a time.</source>
        <translation>يمكنك رفع 10 ملفات كحد أقصى في المرة الواحدة.</translation>
    </message>
    <message id="IDS_EVENT">
        <source>Event</source>
        <translation>حدث</translation>
    </message>
    <message id="IDS_EXPORT_TO_KML">
        <source>Export to KML</source>
        <translation>تصدير إلى KML</translation>
    </message>
    <message id="IDS_FILE_NAME">
        <source>File name</source>
        <translation>اسم الملف</translation>
    </message>
    <message id="IDS_FULL_SCREEN">
        <source>Full screen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message id="IDS_LATITUDE">
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message id="IDS_LOGIN">
        <source>Log in</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message id="IDS_LONGITUDE">
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message id="IDS_NEXT_VIDEO">
        <source>Next video</source>
        <translation>الفيديو التالي</translation>
    </message>
    <message id="IDS_NORMAL">
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message id="IDS_NORMAL_SCREEN">
        <source>Exit full screen</source>
        <translation>إنهاء ملء الشاشة</translation>
    </message>
    <message id="IDS_OK">
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message id="IDS_OPEN">
        <source>Open folder</source>
        <translation>فتح مجلد</translation>
    </message>
    <message id="IDS_PARKING">
        <source>Parking</source>
        <translation>وقوف</translation>
    </message>
    <message id="IDS_PASSWORD">
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message id="IDS_PAUSE">
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message id="IDS_PLAY">
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message id="IDS_PLAY_SPEED">
        <source>Playback speed</source>
        <translation>سرعة التشغيل</translation>
    </message>
    <message id="IDS_PRE_VIDEO">
        <source>Previous video</source>
        <translation>الفيديو السابق</translation>
    </message>
    <message id="IDS_PRINT">
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message id="IDS_PRINT_DATE">
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message id="IDS_PRINT_PREVIEW">
        <source>Print Preview</source>
        <translation>معاينة الطباعة</translation>
    </message>
    <message id="IDS_SAVE_AS">
        <source>Save as</source>
        <translation>حفظ باسم</translation>
    </message>
    <message id="IDS_SETTINGS">
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message id="IDS_SOUND_MUTE">
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message id="IDS_SPEED">
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message id="IDS_TIMELAPSE">
        <source>Time-lapse</source>
        <translation>فاصل زمني</translation>
    </message>
    <message id="IDS_TITLE">
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
    <message id="IDS_TOOLTIP_BACKUP">
        <source>Back up recordings</source>
        <translation>نسخ التسجيلات احتياطيًا</translation>
    </message>
    <message id="IDS_TOOLTIP_PRINT">
        <source>Print a report</source>
        <translation>طباعة تقرير</translation>
    </message>
    <message id="IDS_TRIPLAPSE">
        <source>Triplapse</source>
        <translation>رحلة</translation>
    </message>
    <message id="IDS_UNIT_DEGREE">
        <source>°</source>
        <translation>°</translation>
    </message>
    <message id="IDS_UPLOAD">
        <source>Upload</source>
        <translation>رفع</translation>
    </message>
    <message id="IDS_UPLOAD_FACEBOOK">
        <source>Upload to Facebook</source>
        <translation>رفع إلى Facebook</translation>
    </message>
    <message id="IDS_UPLOAD_VIDEO_FAILED">
        <source>The video could not be uploaded.</source>
        <translation>تعذّر رفع الفيديو.</translation>
    </message>
    <message id="IDS_UPLOAD_VIDEO_OK">
        <source>The video has been uploaded.</source>
        <translation>تم رفع الفيديو.</translation>
    </message>
    <message id="IDS_UPLOAD_YOUTUBE">
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
    <message id="IDS_VERSION_COPYRIGHT">
        <source>Version %1
Copyright © 2026 Koriv. All rights reserved.</source>
        <translation>الإصدار %1
حقوق النشر © 2026 Koriv. جميع الحقوق محفوظة.</translation>
    </message>
    <message id="IDS_VIDEO_FILES">
        <source>Video files</source>
        <translation>ملفات الفيديو</translation>
    </message>
    <message id="IDS_WINDOW_SWITCH">
        <source>Swap front and rear</source>
        <translation>تبديل الكاميرات</translation>
    </message>
    <message id="IDS_LANG_01">
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="IDS_LANG_02">
        <source>繁體中文</source>
        <translation>繁體中文</translation>
    </message>
    <message id="IDS_LANG_03">
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message id="IDS_LANG_04">
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message id="IDS_LANG_05">
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
    <message id="IDS_LANG_06">
        <source>Čeština</source>
        <translation>Čeština</translation>
    </message>
    <message id="IDS_LANG_07">
        <source>Nederlands</source>
        <translation>Nederlands</translation>
    </message>
    <message id="IDS_LANG_08">
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message id="IDS_LANG_09">
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message id="IDS_LANG_10">
        <source>Magyar</source>
        <translation>Magyar</translation>
    </message>
    <message id="IDS_LANG_11">
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message id="IDS_LANG_12">
        <source>Polski</source>
        <translation>Polski</translation>
    </message>
    <message id="IDS_LANG_13">
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message id="IDS_LANG_14">
        <source>العربية</source>
        <translation>العربية</translation>
    </message>
    <message id="IDS_LANG_15">
        <source>Lietuvių</source>
        <translation>Lietuvių</translation>
    </message>
    <message id="IDS_LANG_16">
        <source>Română</source>
        <translation>Română</translation>
    </message>
    <message id="IDS_LANG_17">
        <source>Slovenčina</source>
        <translation>Slovenčina</translation>
    </message>
    <message id="IDS_LANG_18">
        <source>Português</source>
        <translation>Português</translation>
    </message>
    <message id="IDS_LANG_19">
        <source>Slovenščina</source>
        <translation>Slovenščina</translation>
    </message>
    <message id="IDS_LANG_20">
        <source>ไทย</source>
        <translation>ไทย</translation>
    </message>
    <message id="IDS_LANG_21">
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message id="IDS_LANG_22">
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message id="IDS_SKIN_STYLE_01">
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message id="IDS_SKIN_STYLE_02">
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message id="IDS_SKIN_STYLE_03">
        <source>Bronze</source>
        <translation>برونزي</translation>
    </message>
    <message id="IDS_SKIN_STYLE_04">
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message id="IDS_WEEK_1">
        <source>Sun</source>
        <translation>أحد</translation>
    </message>
    <message id="IDS_WEEK_2">
        <source>Mon</source>
        <translation>إثنين</translation>
    </message>
    <message id="IDS_WEEK_3">
        <source>Tue</source>
        <translation>ثلاثاء</translation>
    </message>
    <message id="IDS_WEEK_4">
        <source>Wed</source>
        <translation>أربعاء</translation>
    </message>
    <message id="IDS_WEEK_5">
        <source>Thu</source>
        <translation>خميس</translation>
    </message>
    <message id="IDS_WEEK_6">
        <source>Fri</source>
        <translation>جمعة</translation>
    </message>
    <message id="IDS_WEEK_7">
        <source>Sat</source>
        <translation>سبت</translation>
    </message>
    <message id="IDS_MENU_FILE">
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message id="IDS_MENU_HELP">
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message id="IDS_QUIT">
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message id="IDS_CHECK_FOR_UPDATES">
        <source>Check for Updates…</source>
        <translation>التحقق من التحديثات…</translation>
    </message>
    <message id="IDS_CARD_INSERTED">
        <source>A memory card with recordings was inserted: %1. Open it?</source>
        <translation>تم إدخال بطاقة ذاكرة تحتوي على تسجيلات: %1. هل تريد فتحها؟</translation>
    </message>
    <message id="IDS_MENU_PLAYBACK">
        <source>Playback</source>
        <translation>التشغيل</translation>
    </message>
    <message id="IDS_ERR_EXPORT_FAILED">
        <source>The file could not be saved.</source>
        <translation>تعذر حفظ الملف.</translation>
    </message>
    <message id="IDS_SAVE">
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message id="IDS_FILE_DATE">
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message id="IDS_FILE_SIZE">
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message id="IDS_ERR_BACKUP_FAILED">
        <source>The copy stopped: a recording could not be read or the destination could not be written. The unfinished file was removed.</source>
        <translation>توقف النسخ: تعذرت قراءة تسجيل أو تعذرت الكتابة في الوجهة. تمت إزالة الملف غير المكتمل.</translation>
    </message>
    <message id="IDS_ERR_BACKUP_SAME_FILE">
        <source>This recording is already in the chosen folder and was skipped.</source>
        <translation>هذا التسجيل موجود بالفعل في المجلد المختار وتم تخطيه.</translation>
    </message>
    <message id="IDS_ERR_CAPTURE_SAVE_FAILED">
        <source>The picture could not be saved.</source>
        <translation>تعذر حفظ الصورة.</translation>
    </message>
    <message id="IDS_ERR_FOLDER_UNREADABLE">
        <source>This folder cannot be read. Check that the card is still inserted and that you may open the folder.</source>
        <translation>تعذّرت قراءة هذا المجلد. تأكّد من أن البطاقة لا تزال مُدخلة ومن أنه يُسمح لك بفتح المجلد.</translation>
    </message>
    <message id="IDS_OPEN_RECENT">
        <source>Open Recent</source>
        <translation>فتح الحديثة</translation>
    </message>
    <message id="IDS_CLEAR_RECENT">
        <source>Clear</source>
        <translation>مسح القائمة</translation>
    </message>
    <message id="IDS_VOLUME">
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message id="IDS_PLAY_POSITION">
        <source>Play position</source>
        <translation>موضع التشغيل</translation>
    </message>
    <message id="IDS_DAY_HAS_RECORDINGS">
        <source>Has recordings</source>
        <translation>توجد تسجيلات</translation>
    </message>
    <message id="IDS_EXPORT_TRACK">
        <source>Export the track</source>
        <translation>تصدير المسار</translation>
    </message>
    <message id="IDS_EXPORT_SCOPE">
        <source>Export:</source>
        <translation>تصدير:</translation>
    </message>
    <message id="IDS_EXPORT_THIS_RECORDING">
        <source>This recording</source>
        <translation>هذا التسجيل</translation>
    </message>
    <message id="IDS_EXPORT_THIS_TRIP">
        <source>This trip</source>
        <translation>هذه الرحلة</translation>
    </message>
    <message id="IDS_EXPORT_THIS_DAY">
        <source>This day</source>
        <translation>هذا اليوم</translation>
    </message>
    <message id="IDS_TRIP_SUMMARY">
        <source>Trip: %1, %2 driving</source>
        <translation>الرحلة: %1، مدة القيادة %2</translation>
    </message>
    <message id="IDS_ERR_BACKUP_VERIFY_FAILED">
        <source>The copy of this recording did not match the original when read back. It was removed, an earlier file of the same name was kept, and the backup stopped.</source>
        <translation>لم تتطابق نسخة هذا التسجيل مع الأصل عند إعادة قراءتها. تم حذفها، واحتُفظ بالملف الأقدم الذي يحمل الاسم نفسه، وتوقف النسخ الاحتياطي.</translation>
    </message>
    <message id="IDS_BACKUP_COPIED">
        <source>Copied: %1</source>
        <translation>تم النسخ: %1</translation>
    </message>
    <message id="IDS_BACKUP_SKIPPED">
        <source>Already backed up, skipped: %1</source>
        <translation>منسوخة احتياطيًا من قبل، تم تخطيها: %1</translation>
    </message>
    <message id="IDS_BACKUP_NOT_COPIED">
        <source>Not copied: %1</source>
        <translation>لم يتم النسخ: %1</translation>
    </message>
    <message id="IDS_CARD_BACKUP_SETTING">
        <source>When a card with recordings is inserted, back up its event recordings to %1</source>
        <translation>عند إدخال بطاقة تحتوي على تسجيلات، انسخ تسجيلات الأحداث احتياطيًا إلى %1</translation>
    </message>
    <message id="IDS_CARD_BACKUP_OFFER">
        <source>Back up event recordings</source>
        <translation>نسخ تسجيلات الأحداث احتياطيًا</translation>
    </message>
    <message id="IDS_ERR_BACKUP_FOLDER">
        <source>The backup folder cannot be used: %1</source>
        <translation>لا يمكن استخدام مجلد النسخ الاحتياطي: %1</translation>
    </message>
    <message id="IDS_EXPORT_CLIP">
        <source>Export Clip</source>
        <translation>تصدير مقطع</translation>
    </message>
    <message id="IDS_CLIP_CAMERAS">
        <source>Cameras</source>
        <translation>الكاميرات</translation>
    </message>
    <message id="IDS_CLIP_FRONT">
        <source>Front camera</source>
        <translation>الكاميرا الأمامية</translation>
    </message>
    <message id="IDS_CLIP_REAR">
        <source>Rear camera</source>
        <translation>الكاميرا الخلفية</translation>
    </message>
    <message id="IDS_CLIP_SIDE_BY_SIDE">
        <source>Both cameras, side by side</source>
        <translation>الكاميرتان جنبًا إلى جنب</translation>
    </message>
    <message id="IDS_CLIP_PICTURE_IN_PICTURE">
        <source>Both cameras, rear inside front</source>
        <translation>الكاميرتان، الخلفية داخل الأمامية</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY">
        <source>Overlay</source>
        <translation>المعلومات على الصورة</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_NONE">
        <source>None</source>
        <translation>بلا</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_TIME">
        <source>Date and time</source>
        <translation>التاريخ والوقت</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_FULL">
        <source>Date, time, speed, position and G values</source>
        <translation>التاريخ والوقت والسرعة والموقع وقيم G</translation>
    </message>
    <message id="IDS_CLIP_SOUND">
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
    <message id="IDS_CLIP_SOUND_FRONT">
        <source>Front camera's sound</source>
        <translation>صوت الكاميرا الأمامية</translation>
    </message>
    <message id="IDS_CLIP_SOUND_NONE">
        <source>No sound</source>
        <translation>بدون صوت</translation>
    </message>
    <message id="IDS_CLIP_FOLDER">
        <source>Folder</source>
        <translation>المجلد</translation>
    </message>
    <message id="IDS_CLIP_REPLACE">
        <source>A file of this name already exists. Replace it?</source>
        <translation>يوجد ملف بهذا الاسم بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message id="IDS_ERR_CLIP_FAILED">
        <source>The clip could not be exported. Nothing was written.</source>
        <translation>تعذر تصدير المقطع. لم تتم كتابة أي شيء.</translation>
    </message>
    <message id="IDS_ERR_CLIP_RANGE">
        <source>The clip's start and end do not lie within the recordings.</source>
        <translation>بداية المقطع ونهايته لا تقعان ضمن التسجيلات.</translation>
    </message>
</context>
</TS>
