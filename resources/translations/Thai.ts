<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name></name>
    <message id="IDR_MAINFRAME">
        <source>Koriv Manager</source>
        <translation>Koriv Manager</translation>
    </message>
    <message id="IDS_ABOUT">
        <source>About Koriv Manager</source>
        <translation>เกี่ยวกับ Koriv Manager</translation>
    </message>
    <message id="IDS_ALL">
        <source>All</source>
        <translation>ทั้งหมด</translation>
    </message>
    <message id="IDS_ALTITUDE">
        <source>Altitude</source>
        <translation>ความสูง</translation>
    </message>
    <message id="IDS_BACKUP">
        <source>Backup</source>
        <translation>สำรองข้อมูล</translation>
    </message>
    <message id="IDS_CALENDAR">
        <source>Calendar</source>
        <translation>ปฏิทิน</translation>
    </message>
    <message id="IDS_CANCEL">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message id="IDS_CAPTURE">
        <source>Capture</source>
        <translation>จับภาพ</translation>
    </message>
    <message id="IDS_CAPTURE_PREVIEW">
        <source>Capture Preview</source>
        <translation>ดูตัวอย่างภาพ</translation>
    </message>
    <message id="IDS_CHANGE_LANGUAGE">
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
    <message id="IDS_CHANGE_SKIN">
        <source>Skin</source>
        <translation>ธีม</translation>
    </message>
    <message id="IDS_CHANGE_SPEED_UNIT">
        <source>Speed unit</source>
        <translation>หน่วยความเร็ว</translation>
    </message>
    <message id="IDS_CLOSE">
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message id="IDS_DESCRIPTION">
        <source>Description</source>
        <translation>คำอธิบาย</translation>
    </message>
    <message id="IDS_DIRECTION">
        <source>Heading</source>
        <translation>ทิศทาง</translation>
    </message>
    <message id="IDS_EMAIL">
        <source>E-mail</source>
        <translation>อีเมล</translation>
    </message>
    <message id="IDS_ERR_EMAIL_PASSWORD">
        <source>Wrong e-mail address or password.</source>
        <translation>อีเมลหรือรหัสผ่านไม่ถูกต้อง</translation>
    </message>
    <message id="IDS_ERR_FOLDER_READ_ONLY">
        <source>This folder is read-only. Choose another folder.</source>
        <translation>โฟลเดอร์นี้อ่านได้อย่างเดียว โปรดเลือกโฟลเดอร์อื่น</translation>
    </message>
    <message id="IDS_ERR_INSTALL_CODEC">
        <source>This video cannot be played. Install the missing video codec and try again.</source>
        <translation>ไม่สามารถเล่นวิดีโอนี้ได้ โปรดติดตั้งตัวถอดรหัสวิดีโอที่จำเป็นแล้วลองอีกครั้ง</translation>
    </message>
    <message id="IDS_ERR_NO_DISK_SPACE">
        <source>Not enough free disk space.</source>
        <translation>พื้นที่ดิสก์ไม่เพียงพอ</translation>
    </message>
    <message id="IDS_ERR_NO_GPS_DATA">
        <source>No GPS data</source>
        <translation>ไม่มีข้อมูล GPS</translation>
    </message>
    <message id="IDS_ERR_NO_GSENSOR_DATA">
        <source>No G-sensor data</source>
        <translation>ไม่มีข้อมูล G-sensor</translation>
    </message>
    <message id="IDS_ERR_NO_INTERNET">
        <source>No internet connection.</source>
        <translation>ไม่มีการเชื่อมต่ออินเทอร์เน็ต</translation>
    </message>
    <message id="IDS_ERR_OVER_MAX_UPLOAD">
        <source>You can upload up to 10 files at a time.</source>
        <translation>อัปโหลดได้ครั้งละไม่เกิน 10 ไฟล์</translation>
    </message>
    <message id="IDS_EVENT">
        <source>Event</source>
        <translation>เหตุการณ์</translation>
    </message>
    <message id="IDS_EXPORT_TO_KML">
        <source>Export to KML</source>
        <translation>ส่งออกเป็น KML</translation>
    </message>
    <message id="IDS_FILE_NAME">
        <source>File name</source>
        <translation>ชื่อไฟล์</translation>
    </message>
    <message id="IDS_FULL_SCREEN">
        <source>Full screen</source>
        <translation>เต็มจอ</translation>
    </message>
    <message id="IDS_LATITUDE">
        <source>Latitude</source>
        <translation>ละติจูด</translation>
    </message>
    <message id="IDS_LOGIN">
        <source>Log in</source>
        <translation>เข้าสู่ระบบ</translation>
    </message>
    <message id="IDS_LONGITUDE">
        <source>Longitude</source>
        <translation>ลองจิจูด</translation>
    </message>
    <message id="IDS_NEXT_VIDEO">
        <source>Next video</source>
        <translation>วิดีโอถัดไป</translation>
    </message>
    <message id="IDS_NORMAL">
        <source>Normal</source>
        <translation>ปกติ</translation>
    </message>
    <message id="IDS_NORMAL_SCREEN">
        <source>Exit full screen</source>
        <translation>ออกจากเต็มจอ</translation>
    </message>
    <message id="IDS_OK">
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message id="IDS_OPEN">
        <source>Open folder</source>
        <translation>เปิดโฟลเดอร์</translation>
    </message>
    <message id="IDS_PARKING">
        <source>Parking</source>
        <translation>จอดรถ</translation>
    </message>
    <message id="IDS_PASSWORD">
        <source>Password</source>
        <translation>รหัสผ่าน</translation>
    </message>
    <message id="IDS_PAUSE">
        <source>Pause</source>
        <translation>หยุดชั่วคราว</translation>
    </message>
    <message id="IDS_PLAY">
        <source>Play</source>
        <translation>เล่น</translation>
    </message>
    <message id="IDS_PLAY_SPEED">
        <source>Playback speed</source>
        <translation>ความเร็วในการเล่น</translation>
    </message>
    <message id="IDS_PRE_VIDEO">
        <source>Previous video</source>
        <translation>วิดีโอก่อนหน้า</translation>
    </message>
    <message id="IDS_PRINT">
        <source>Print</source>
        <translation>พิมพ์</translation>
    </message>
    <message id="IDS_PRINT_DATE">
        <source>Date</source>
        <translation>วันที่</translation>
    </message>
    <message id="IDS_PRINT_PREVIEW">
        <source>Print Preview</source>
        <translation>ตัวอย่างก่อนพิมพ์</translation>
    </message>
    <message id="IDS_SAVE_AS">
        <source>Save as</source>
        <translation>บันทึกเป็น</translation>
    </message>
    <message id="IDS_SETTINGS">
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message id="IDS_SOUND_MUTE">
        <source>Mute</source>
        <translation>ปิดเสียง</translation>
    </message>
    <message id="IDS_SPEED">
        <source>Speed</source>
        <translation>ความเร็ว</translation>
    </message>
    <message id="IDS_TIMELAPSE">
        <source>Time-lapse</source>
        <translation>ไทม์แลปส์</translation>
    </message>
    <message id="IDS_TITLE">
        <source>Title</source>
        <translation>ชื่อเรื่อง</translation>
    </message>
    <message id="IDS_TOOLTIP_BACKUP">
        <source>Back up recordings</source>
        <translation>สำรองไฟล์บันทึก</translation>
    </message>
    <message id="IDS_TOOLTIP_PRINT">
        <source>Print a report</source>
        <translation>พิมพ์รายงาน</translation>
    </message>
    <message id="IDS_TRIPLAPSE">
        <source>Triplapse</source>
        <translation>การเดินทาง</translation>
    </message>
    <message id="IDS_UNIT_DEGREE">
        <source>°</source>
        <translation>°</translation>
    </message>
    <message id="IDS_UPLOAD">
        <source>Upload</source>
        <translation>อัปโหลด</translation>
    </message>
    <message id="IDS_UPLOAD_FACEBOOK">
        <source>Upload to Facebook</source>
        <translation>อัปโหลดไปยัง Facebook</translation>
    </message>
    <message id="IDS_UPLOAD_VIDEO_FAILED">
        <source>The video could not be uploaded.</source>
        <translation>อัปโหลดวิดีโอไม่สำเร็จ</translation>
    </message>
    <message id="IDS_UPLOAD_VIDEO_OK">
        <source>The video has been uploaded.</source>
        <translation>อัปโหลดวิดีโอเรียบร้อยแล้ว</translation>
    </message>
    <message id="IDS_UPLOAD_YOUTUBE">
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
    <message id="IDS_VERSION_COPYRIGHT">
        <source>Version %1
Copyright © 2026 Koriv. All rights reserved.</source>
        <translation>เวอร์ชัน %1
ลิขสิทธิ์ © 2026 Koriv สงวนลิขสิทธิ์</translation>
    </message>
    <message id="IDS_VIDEO_FILES">
        <source>Video files</source>
        <translation>ไฟล์วิดีโอ</translation>
    </message>
    <message id="IDS_WINDOW_SWITCH">
        <source>Swap front and rear</source>
        <translation>สลับกล้องหน้า-หลัง</translation>
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
        <translation>ส้ม</translation>
    </message>
    <message id="IDS_SKIN_STYLE_02">
        <source>Green</source>
        <translation>เขียว</translation>
    </message>
    <message id="IDS_SKIN_STYLE_03">
        <source>Bronze</source>
        <translation>บรอนซ์</translation>
    </message>
    <message id="IDS_SKIN_STYLE_04">
        <source>Blue</source>
        <translation>น้ำเงิน</translation>
    </message>
    <message id="IDS_WEEK_1">
        <source>Sun</source>
        <translation>อา</translation>
    </message>
    <message id="IDS_WEEK_2">
        <source>Mon</source>
        <translation>จ</translation>
    </message>
    <message id="IDS_WEEK_3">
        <source>Tue</source>
        <translation>อ</translation>
    </message>
    <message id="IDS_WEEK_4">
        <source>Wed</source>
        <translation>พ</translation>
    </message>
    <message id="IDS_WEEK_5">
        <source>Thu</source>
        <translation>พฤ</translation>
    </message>
    <message id="IDS_WEEK_6">
        <source>Fri</source>
        <translation>ศ</translation>
    </message>
    <message id="IDS_WEEK_7">
        <source>Sat</source>
        <translation>ส</translation>
    </message>
    <message id="IDS_MENU_FILE">
        <source>File</source>
        <translation>ไฟล์</translation>
    </message>
    <message id="IDS_MENU_HELP">
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message id="IDS_QUIT">
        <source>Quit</source>
        <translation>ออก</translation>
    </message>
    <message id="IDS_CHECK_FOR_UPDATES">
        <source>Check for Updates…</source>
        <translation>ตรวจหาอัปเดต…</translation>
    </message>
    <message id="IDS_CARD_INSERTED">
        <source>A memory card with recordings was inserted: %1. Open it?</source>
        <translation>มีการใส่การ์ดหน่วยความจำที่มีไฟล์บันทึก: %1 ต้องการเปิดหรือไม่?</translation>
    </message>
    <message id="IDS_MENU_PLAYBACK">
        <source>Playback</source>
        <translation>การเล่น</translation>
    </message>
    <message id="IDS_ERR_EXPORT_FAILED">
        <source>The file could not be saved.</source>
        <translation>ไม่สามารถบันทึกไฟล์ได้</translation>
    </message>
    <message id="IDS_SAVE">
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message id="IDS_FILE_DATE">
        <source>Date</source>
        <translation>วันที่</translation>
    </message>
    <message id="IDS_FILE_SIZE">
        <source>Size</source>
        <translation>ขนาด</translation>
    </message>
    <message id="IDS_ERR_BACKUP_FAILED">
        <source>The copy stopped: a recording could not be read or the destination could not be written. The unfinished file was removed.</source>
        <translation>การคัดลอกหยุดลง: ไม่สามารถอ่านไฟล์บันทึกหรือเขียนไปยังปลายทางได้ ไฟล์ที่ไม่สมบูรณ์ถูกลบแล้ว</translation>
    </message>
    <message id="IDS_ERR_BACKUP_SAME_FILE">
        <source>This recording is already in the chosen folder and was skipped.</source>
        <translation>ไฟล์บันทึกนี้อยู่ในโฟลเดอร์ที่เลือกแล้วจึงถูกข้ามไป</translation>
    </message>
    <message id="IDS_ERR_CAPTURE_SAVE_FAILED">
        <source>The picture could not be saved.</source>
        <translation>ไม่สามารถบันทึกรูปภาพได้</translation>
    </message>
    <message id="IDS_ERR_FOLDER_UNREADABLE">
        <source>This folder cannot be read. Check that the card is still inserted and that you may open the folder.</source>
        <translation>ไม่สามารถอ่านโฟลเดอร์นี้ได้ ตรวจสอบว่ายังเสียบการ์ดอยู่และคุณมีสิทธิ์เปิดโฟลเดอร์นี้</translation>
    </message>
    <message id="IDS_OPEN_RECENT">
        <source>Open Recent</source>
        <translation>เปิดล่าสุด</translation>
    </message>
    <message id="IDS_CLEAR_RECENT">
        <source>Clear</source>
        <translation>ล้างรายการ</translation>
    </message>
    <message id="IDS_VOLUME">
        <source>Volume</source>
        <translation>ระดับเสียง</translation>
    </message>
    <message id="IDS_PLAY_POSITION">
        <source>Play position</source>
        <translation>ตำแหน่งการเล่น</translation>
    </message>
    <message id="IDS_DAY_HAS_RECORDINGS">
        <source>Has recordings</source>
        <translation>มีการบันทึก</translation>
    </message>
    <message id="IDS_EXPORT_TRACK">
        <source>Export the track</source>
        <translation>ส่งออกเส้นทาง</translation>
    </message>
    <message id="IDS_EXPORT_SCOPE">
        <source>Export:</source>
        <translation>ส่งออก:</translation>
    </message>
    <message id="IDS_EXPORT_THIS_RECORDING">
        <source>This recording</source>
        <translation>การบันทึกนี้</translation>
    </message>
    <message id="IDS_EXPORT_THIS_TRIP">
        <source>This trip</source>
        <translation>การเดินทางนี้</translation>
    </message>
    <message id="IDS_EXPORT_THIS_DAY">
        <source>This day</source>
        <translation>วันนี้</translation>
    </message>
    <message id="IDS_TRIP_SUMMARY">
        <source>Trip: %1, %2 driving</source>
        <translation>การเดินทาง: %1, ขับขี่ %2</translation>
    </message>
    <message id="IDS_ERR_BACKUP_VERIFY_FAILED">
        <source>The copy of this recording did not match the original when read back. It was removed, an earlier file of the same name was kept, and the backup stopped.</source>
        <translation>สำเนาของการบันทึกนี้ไม่ตรงกับต้นฉบับเมื่ออ่านกลับ จึงถูกลบออก ไฟล์เดิมที่มีชื่อเดียวกันยังคงอยู่ และการสำรองข้อมูลหยุดลงแล้ว</translation>
    </message>
    <message id="IDS_BACKUP_COPIED">
        <source>Copied: %1</source>
        <translation>คัดลอกแล้ว: %1</translation>
    </message>
    <message id="IDS_BACKUP_SKIPPED">
        <source>Already backed up, skipped: %1</source>
        <translation>สำรองไว้แล้ว ข้ามไป: %1</translation>
    </message>
    <message id="IDS_BACKUP_NOT_COPIED">
        <source>Not copied: %1</source>
        <translation>ไม่ได้คัดลอก: %1</translation>
    </message>
    <message id="IDS_CARD_BACKUP_SETTING">
        <source>When a card with recordings is inserted, back up its event recordings to %1</source>
        <translation>เมื่อใส่การ์ดที่มีการบันทึก ให้สำรองการบันทึกเหตุการณ์ไปยัง %1</translation>
    </message>
    <message id="IDS_CARD_BACKUP_OFFER">
        <source>Back up event recordings</source>
        <translation>สำรองการบันทึกเหตุการณ์</translation>
    </message>
    <message id="IDS_ERR_BACKUP_FOLDER">
        <source>The backup folder cannot be used: %1</source>
        <translation>ไม่สามารถใช้โฟลเดอร์สำรองข้อมูลได้: %1</translation>
    </message>
    <message id="IDS_EXPORT_CLIP">
        <source>Export Clip</source>
        <translation>ส่งออกคลิป</translation>
    </message>
    <message id="IDS_CLIP_CAMERAS">
        <source>Cameras</source>
        <translation>กล้อง</translation>
    </message>
    <message id="IDS_CLIP_FRONT">
        <source>Front camera</source>
        <translation>กล้องหน้า</translation>
    </message>
    <message id="IDS_CLIP_REAR">
        <source>Rear camera</source>
        <translation>กล้องหลัง</translation>
    </message>
    <message id="IDS_CLIP_SIDE_BY_SIDE">
        <source>Both cameras, side by side</source>
        <translation>กล้องทั้งสองเคียงข้างกัน</translation>
    </message>
    <message id="IDS_CLIP_PICTURE_IN_PICTURE">
        <source>Both cameras, rear inside front</source>
        <translation>กล้องทั้งสอง โดยภาพกล้องหลังอยู่ในภาพกล้องหน้า</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY">
        <source>Overlay</source>
        <translation>ข้อมูลซ้อนภาพ</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_NONE">
        <source>None</source>
        <translation>ไม่มี</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_TIME">
        <source>Date and time</source>
        <translation>วันที่และเวลา</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_FULL">
        <source>Date, time, speed, position and G values</source>
        <translation>วันที่ เวลา ความเร็ว ตำแหน่ง และค่า G</translation>
    </message>
    <message id="IDS_CLIP_SOUND">
        <source>Sound</source>
        <translation>เสียง</translation>
    </message>
    <message id="IDS_CLIP_SOUND_FRONT">
        <source>Front camera's sound</source>
        <translation>เสียงจากกล้องหน้า</translation>
    </message>
    <message id="IDS_CLIP_SOUND_NONE">
        <source>No sound</source>
        <translation>ไม่มีเสียง</translation>
    </message>
    <message id="IDS_CLIP_FOLDER">
        <source>Folder</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message id="IDS_CLIP_REPLACE">
        <source>A file of this name already exists. Replace it?</source>
        <translation>มีไฟล์ชื่อนี้อยู่แล้ว ต้องการแทนที่หรือไม่</translation>
    </message>
    <message id="IDS_ERR_CLIP_FAILED">
        <source>The clip could not be exported. Nothing was written.</source>
        <translation>ไม่สามารถส่งออกคลิปได้ ไม่มีการเขียนข้อมูลใด ๆ</translation>
    </message>
    <message id="IDS_ERR_CLIP_RANGE">
        <source>The clip's start and end do not lie within the recordings.</source>
        <translation>จุดเริ่มต้นและจุดสิ้นสุดของคลิปไม่อยู่ในช่วงของการบันทึก</translation>
    </message>
</context>
</TS>
