<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name></name>
    <message id="IDR_MAINFRAME">
        <source>Koriv Manager</source>
        <translation>Koriv Manager</translation>
    </message>
    <message id="IDS_ABOUT">
        <source>About Koriv Manager</source>
        <translation>O aplikácii</translation>
    </message>
    <message id="IDS_ALL">
        <source>All</source>
        <translation>Všetko</translation>
    </message>
    <message id="IDS_ALTITUDE">
        <source>Altitude</source>
        <translation>Nadm. výška</translation>
    </message>
    <message id="IDS_BACKUP">
        <source>Backup</source>
        <translation>Záloha</translation>
    </message>
    <message id="IDS_CALENDAR">
        <source>Calendar</source>
        <translation>Kalendár</translation>
    </message>
    <message id="IDS_CANCEL">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message id="IDS_CAPTURE">
        <source>Capture</source>
        <translation>Snímka</translation>
    </message>
    <message id="IDS_CAPTURE_PREVIEW">
        <source>Capture Preview</source>
        <translation>Náhľad snímky</translation>
    </message>
    <message id="IDS_CHANGE_LANGUAGE">
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message id="IDS_CHANGE_SKIN">
        <source>Skin</source>
        <translation>Vzhľad</translation>
    </message>
    <message id="IDS_CHANGE_SPEED_UNIT">
        <source>Speed unit</source>
        <translation>Jednotka rýchlosti</translation>
    </message>
    <message id="IDS_CLOSE">
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message id="IDS_DESCRIPTION">
        <source>Description</source>
        <translation>Popis</translation>
    </message>
    <message id="IDS_DIRECTION">
        <source>Heading</source>
        <translation>Smer</translation>
    </message>
    <message id="IDS_EMAIL">
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message id="IDS_ERR_EMAIL_PASSWORD">
        <source>Wrong e-mail address or password.</source>
        <translation>Nesprávny e-mail alebo heslo.</translation>
    </message>
    <message id="IDS_ERR_FOLDER_READ_ONLY">
        <source>This folder is read-only. Choose another folder.</source>
        <translation>Priečinok je len na čítanie. Vyberte iný priečinok.</translation>
    </message>
    <message id="IDS_ERR_INSTALL_CODEC">
        <source>This video cannot be played. Install the missing video codec and try again.</source>
        <translation>Video sa nedá prehrať. Nainštalujte chýbajúci video kodek a skúste to znova.</translation>
    </message>
    <message id="IDS_ERR_NO_DISK_SPACE">
        <source>Not enough free disk space.</source>
        <translation>Na disku nie je dosť miesta.</translation>
    </message>
    <message id="IDS_ERR_NO_GPS_DATA">
        <source>No GPS data</source>
        <translation>Žiadne údaje GPS</translation>
    </message>
    <message id="IDS_ERR_NO_GSENSOR_DATA">
        <source>No G-sensor data</source>
        <translation>Žiadne údaje G-senzora</translation>
    </message>
    <message id="IDS_ERR_NO_INTERNET">
        <source>No internet connection.</source>
        <translation>Nie ste pripojení k internetu.</translation>
    </message>
    <message id="IDS_ERR_OVER_MAX_UPLOAD">
        <source>You can upload up to 10 files at a time.</source>
        <translation>Naraz môžete nahrať najviac 10 súborov.</translation>
    </message>
    <message id="IDS_EVENT">
        <source>Event</source>
        <translation>Udalosť</translation>
    </message>
    <message id="IDS_EXPORT_TO_KML">
        <source>Export to KML</source>
        <translation>Export do KML</translation>
    </message>
    <message id="IDS_FILE_NAME">
        <source>File name</source>
        <translation>Názov súboru</translation>
    </message>
    <message id="IDS_FULL_SCREEN">
        <source>Full screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message id="IDS_LATITUDE">
        <source>Latitude</source>
        <translation>Zem. šírka</translation>
    </message>
    <message id="IDS_LOGIN">
        <source>Log in</source>
        <translation>Prihlásiť</translation>
    </message>
    <message id="IDS_LONGITUDE">
        <source>Longitude</source>
        <translation>Zem. dĺžka</translation>
    </message>
    <message id="IDS_NEXT_VIDEO">
        <source>Next video</source>
        <translation>Ďalšie video</translation>
    </message>
    <message id="IDS_NORMAL">
        <source>Normal</source>
        <translation>Bežné</translation>
    </message>
    <message id="IDS_NORMAL_SCREEN">
        <source>Exit full screen</source>
        <translation>Ukončiť celú obrazovku</translation>
    </message>
    <message id="IDS_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="IDS_OPEN">
        <source>Open folder</source>
        <translation>Otvoriť priečinok</translation>
    </message>
    <message id="IDS_PARKING">
        <source>Parking</source>
        <translation>Parkovanie</translation>
    </message>
    <message id="IDS_PASSWORD">
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message id="IDS_PAUSE">
        <source>Pause</source>
        <translation>Pozastaviť</translation>
    </message>
    <message id="IDS_PLAY">
        <source>Play</source>
        <translation>Prehrať</translation>
    </message>
    <message id="IDS_PLAY_SPEED">
        <source>Playback speed</source>
        <translation>Rýchlosť prehrávania</translation>
    </message>
    <message id="IDS_PRE_VIDEO">
        <source>Previous video</source>
        <translation>Predchádzajúce video</translation>
    </message>
    <message id="IDS_PRINT">
        <source>Print</source>
        <translation>Tlač</translation>
    </message>
    <message id="IDS_PRINT_DATE">
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message id="IDS_PRINT_PREVIEW">
        <source>Print Preview</source>
        <translation>Ukážka tlače</translation>
    </message>
    <message id="IDS_SAVE_AS">
        <source>Save as</source>
        <translation>Uložiť ako</translation>
    </message>
    <message id="IDS_SETTINGS">
        <source>Settings</source>
        <translation>Nastavenia</translation>
    </message>
    <message id="IDS_SOUND_MUTE">
        <source>Mute</source>
        <translation>Stlmiť</translation>
    </message>
    <message id="IDS_SPEED">
        <source>Speed</source>
        <translation>Rýchlosť</translation>
    </message>
    <message id="IDS_TIMELAPSE">
        <source>Time-lapse</source>
        <translation>Časozber</translation>
    </message>
    <message id="IDS_TITLE">
        <source>Title</source>
        <translation>Názov</translation>
    </message>
    <message id="IDS_TOOLTIP_BACKUP">
        <source>Back up recordings</source>
        <translation>Zálohovať záznamy</translation>
    </message>
    <message id="IDS_TOOLTIP_PRINT">
        <source>Print a report</source>
        <translation>Vytlačiť prehľad</translation>
    </message>
    <message id="IDS_TRIPLAPSE">
        <source>Triplapse</source>
        <translation>Jazda</translation>
    </message>
    <message id="IDS_UNIT_DEGREE">
        <source>°</source>
        <translation>°</translation>
    </message>
    <message id="IDS_UPLOAD">
        <source>Upload</source>
        <translation>Nahrať</translation>
    </message>
    <message id="IDS_UPLOAD_FACEBOOK">
        <source>Upload to Facebook</source>
        <translation>Nahrať na Facebook</translation>
    </message>
    <message id="IDS_UPLOAD_VIDEO_FAILED">
        <source>The video could not be uploaded.</source>
        <translation>Video sa nepodarilo nahrať.</translation>
    </message>
    <message id="IDS_UPLOAD_VIDEO_OK">
        <source>The video has been uploaded.</source>
        <translation>Video bolo nahraté.</translation>
    </message>
    <message id="IDS_UPLOAD_YOUTUBE">
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
    <message id="IDS_VERSION_COPYRIGHT">
        <source>Version %1
Copyright © 2026 Koriv. All rights reserved.</source>
        <translation>Verzia %1
Copyright © 2026 Koriv. Všetky práva vyhradené.</translation>
    </message>
    <message id="IDS_VIDEO_FILES">
        <source>Video files</source>
        <translation>Videosúbory</translation>
    </message>
    <message id="IDS_WINDOW_SWITCH">
        <source>Swap front and rear</source>
        <translation>Vymeniť kamery</translation>
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
        <translation>Oranžový</translation>
    </message>
    <message id="IDS_SKIN_STYLE_02">
        <source>Green</source>
        <translation>Zelený</translation>
    </message>
    <message id="IDS_SKIN_STYLE_03">
        <source>Bronze</source>
        <translation>Bronzový</translation>
    </message>
    <message id="IDS_SKIN_STYLE_04">
        <source>Blue</source>
        <translation>Modrý</translation>
    </message>
    <message id="IDS_WEEK_1">
        <source>Sun</source>
        <translation>Ne</translation>
    </message>
    <message id="IDS_WEEK_2">
        <source>Mon</source>
        <translation>Po</translation>
    </message>
    <message id="IDS_WEEK_3">
        <source>Tue</source>
        <translation>Ut</translation>
    </message>
    <message id="IDS_WEEK_4">
        <source>Wed</source>
        <translation>St</translation>
    </message>
    <message id="IDS_WEEK_5">
        <source>Thu</source>
        <translation>Št</translation>
    </message>
    <message id="IDS_WEEK_6">
        <source>Fri</source>
        <translation>Pi</translation>
    </message>
    <message id="IDS_WEEK_7">
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message id="IDS_MENU_FILE">
        <source>File</source>
        <translation>Súbor</translation>
    </message>
    <message id="IDS_MENU_HELP">
        <source>Help</source>
        <translation>Pomocník</translation>
    </message>
    <message id="IDS_QUIT">
        <source>Quit</source>
        <translation>Ukončiť</translation>
    </message>
    <message id="IDS_CHECK_FOR_UPDATES">
        <source>Check for Updates…</source>
        <translation>Skontrolovať aktualizácie…</translation>
    </message>
    <message id="IDS_CARD_INSERTED">
        <source>A memory card with recordings was inserted: %1. Open it?</source>
        <translation>Bola vložená pamäťová karta so záznamami: %1. Otvoriť ju?</translation>
    </message>
    <message id="IDS_MENU_PLAYBACK">
        <source>Playback</source>
        <translation>Prehrávanie</translation>
    </message>
    <message id="IDS_ERR_EXPORT_FAILED">
        <source>The file could not be saved.</source>
        <translation>Súbor sa nepodarilo uložiť.</translation>
    </message>
    <message id="IDS_SAVE">
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message id="IDS_FILE_DATE">
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message id="IDS_FILE_SIZE">
        <source>Size</source>
        <translation>Veľkosť</translation>
    </message>
    <message id="IDS_ERR_BACKUP_FAILED">
        <source>The copy stopped: a recording could not be read or the destination could not be written. The unfinished file was removed.</source>
        <translation>Kopírovanie sa zastavilo: záznam sa nepodarilo prečítať alebo do cieľa nebolo možné zapisovať. Neúplný súbor bol odstránený.</translation>
    </message>
    <message id="IDS_ERR_BACKUP_SAME_FILE">
        <source>This recording is already in the chosen folder and was skipped.</source>
        <translation>Tento záznam už je vo zvolenom priečinku a bol preskočený.</translation>
    </message>
    <message id="IDS_ERR_CAPTURE_SAVE_FAILED">
        <source>The picture could not be saved.</source>
        <translation>Obrázok sa nepodarilo uložiť.</translation>
    </message>
    <message id="IDS_ERR_FOLDER_UNREADABLE">
        <source>This folder cannot be read. Check that the card is still inserted and that you may open the folder.</source>
        <translation>Tento priečinok sa nedá prečítať. Skontrolujte, či je karta stále vložená a či máte oprávnenie priečinok otvoriť.</translation>
    </message>
    <message id="IDS_OPEN_RECENT">
        <source>Open Recent</source>
        <translation>Otvoriť nedávne</translation>
    </message>
    <message id="IDS_CLEAR_RECENT">
        <source>Clear</source>
        <translation>Vymazať zoznam</translation>
    </message>
    <message id="IDS_VOLUME">
        <source>Volume</source>
        <translation>Hlasitosť</translation>
    </message>
    <message id="IDS_PLAY_POSITION">
        <source>Play position</source>
        <translation>Pozícia prehrávania</translation>
    </message>
    <message id="IDS_DAY_HAS_RECORDINGS">
        <source>Has recordings</source>
        <translation>Obsahuje záznamy</translation>
    </message>
    <message id="IDS_EXPORT_TRACK">
        <source>Export the track</source>
        <translation>Exportovať trasu</translation>
    </message>
    <message id="IDS_EXPORT_SCOPE">
        <source>Export:</source>
        <translation>Exportovať:</translation>
    </message>
    <message id="IDS_EXPORT_THIS_RECORDING">
        <source>This recording</source>
        <translation>Tento záznam</translation>
    </message>
    <message id="IDS_EXPORT_THIS_TRIP">
        <source>This trip</source>
        <translation>Táto jazda</translation>
    </message>
    <message id="IDS_EXPORT_THIS_DAY">
        <source>This day</source>
        <translation>Tento deň</translation>
    </message>
    <message id="IDS_TRIP_SUMMARY">
        <source>Trip: %1, %2 driving</source>
        <translation>Jazda: %1, šoférovanie %2</translation>
    </message>
    <message id="IDS_ERR_BACKUP_VERIFY_FAILED">
        <source>The copy of this recording did not match the original when read back. It was removed, an earlier file of the same name was kept, and the backup stopped.</source>
        <translation>Kópia tohto záznamu sa pri spätnom čítaní nezhodovala s originálom. Bola odstránená, starší súbor s rovnakým názvom bol zachovaný a zálohovanie sa zastavilo.</translation>
    </message>
    <message id="IDS_BACKUP_COPIED">
        <source>Copied: %1</source>
        <translation>Skopírované: %1</translation>
    </message>
    <message id="IDS_BACKUP_SKIPPED">
        <source>Already backed up, skipped: %1</source>
        <translation>Už zálohované, preskočené: %1</translation>
    </message>
    <message id="IDS_BACKUP_NOT_COPIED">
        <source>Not copied: %1</source>
        <translation>Neskopírované: %1</translation>
    </message>
    <message id="IDS_CARD_BACKUP_SETTING">
        <source>When a card with recordings is inserted, back up its event recordings to %1</source>
        <translation>Po vložení karty so záznamami zálohovať jej záznamy udalostí do %1</translation>
    </message>
    <message id="IDS_CARD_BACKUP_OFFER">
        <source>Back up event recordings</source>
        <translation>Zálohovať záznamy udalostí</translation>
    </message>
    <message id="IDS_ERR_BACKUP_FOLDER">
        <source>The backup folder cannot be used: %1</source>
        <translation>Priečinok na zálohy nemožno použiť: %1</translation>
    </message>
    <message id="IDS_EXPORT_CLIP">
        <source>Export Clip</source>
        <translation>Exportovať klip</translation>
    </message>
    <message id="IDS_CLIP_CAMERAS">
        <source>Cameras</source>
        <translation>Kamery</translation>
    </message>
    <message id="IDS_CLIP_FRONT">
        <source>Front camera</source>
        <translation>Predná kamera</translation>
    </message>
    <message id="IDS_CLIP_REAR">
        <source>Rear camera</source>
        <translation>Zadná kamera</translation>
    </message>
    <message id="IDS_CLIP_SIDE_BY_SIDE">
        <source>Both cameras, side by side</source>
        <translation>Obe kamery vedľa seba</translation>
    </message>
    <message id="IDS_CLIP_PICTURE_IN_PICTURE">
        <source>Both cameras, rear inside front</source>
        <translation>Obe kamery, zadná v obraze prednej</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY">
        <source>Overlay</source>
        <translation>Prekrytie</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_NONE">
        <source>None</source>
        <translation>Žiadne</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_TIME">
        <source>Date and time</source>
        <translation>Dátum a čas</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_FULL">
        <source>Date, time, speed, position and G values</source>
        <translation>Dátum, čas, rýchlosť, poloha a hodnoty G</translation>
    </message>
    <message id="IDS_CLIP_SOUND">
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message id="IDS_CLIP_SOUND_FRONT">
        <source>Front camera's sound</source>
        <translation>Zvuk prednej kamery</translation>
    </message>
    <message id="IDS_CLIP_SOUND_NONE">
        <source>No sound</source>
        <translation>Bez zvuku</translation>
    </message>
    <message id="IDS_CLIP_FOLDER">
        <source>Folder</source>
        <translation>Priečinok</translation>
    </message>
    <message id="IDS_CLIP_REPLACE">
        <source>A file of this name already exists. Replace it?</source>
        <translation>Súbor s týmto názvom už existuje. Nahradiť ho?</translation>
    </message>
    <message id="IDS_ERR_CLIP_FAILED">
        <source>The clip could not be exported. Nothing was written.</source>
        <translation>Klip sa nepodarilo exportovať. Nič sa nezapísalo.</translation>
    </message>
    <message id="IDS_ERR_CLIP_RANGE">
        <source>The clip's start and end do not lie within the recordings.</source>
        <translation>Začiatok a koniec klipu nie sú v rámci záznamov.</translation>
    </message>
</context>
</TS>
