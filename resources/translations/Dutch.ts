<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name></name>
    <message id="IDR_MAINFRAME">
        <source>Koriv Manager</source>
        <translation>Koriv Manager</translation>
    </message>
    <message id="IDS_ABOUT">
        <source>About Koriv Manager</source>
        <translation>Over Koriv Manager</translation>
    </message>
    <message id="IDS_ALL">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="IDS_ALTITUDE">
        <source>Altitude</source>
        <translation>Hoogte</translation>
    </message>
    <message id="IDS_BACKUP">
        <source>Backup</source>
        <translation>Back-up</translation>
    </message>
    <message id="IDS_CALENDAR">
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message id="IDS_CANCEL">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="IDS_CAPTURE">
        <source>Capture</source>
        <translation>Vastleggen</translation>
    </message>
    <message id="IDS_CAPTURE_PREVIEW">
        <source>Capture Preview</source>
        <translation>Voorbeeld opname</translation>
    </message>
    <message id="IDS_CHANGE_LANGUAGE">
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message id="IDS_CHANGE_SKIN">
        <source>Skin</source>
        <translation>Thema</translation>
    </message>
    <message id="IDS_CHANGE_SPEED_UNIT">
        <source>Speed unit</source>
        <translation>Snelheidseenheid</translation>
    </message>
    <message id="IDS_CLOSE">
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message id="IDS_DESCRIPTION">
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message id="IDS_DIRECTION">
        <source>Heading</source>
        <translation>Richting</translation>
    </message>
    <message id="IDS_EMAIL">
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message id="IDS_ERR_EMAIL_PASSWORD">
        <source>Wrong e-mail address or password.</source>
        <translation>Onjuist e-mailadres of wachtwoord.</translation>
    </message>
    <message id="IDS_ERR_FOLDER_READ_ONLY">
        <source>This folder is read-only. Choose another folder.</source>
        <translation>Deze map is alleen-lezen. Kies een andere map.</translation>
    </message>
    <message id="IDS_ERR_INSTALL_CODEC">
        <source>This video cannot be played. Install the missing video codec and try again.</source>
        <translation>Deze video kan niet worden afgespeeld. Installeer de ontbrekende videocodec en probeer het opnieuw.</translation>
    </message>
    <message id="IDS_ERR_NO_DISK_SPACE">
        <source>Not enough free disk space.</source>
        <translation>Onvoldoende vrije schijfruimte.</translation>
    </message>
    <message id="IDS_ERR_NO_GPS_DATA">
        <source>No GPS data</source>
        <translation>Geen GPS-gegevens</translation>
    </message>
    <message id="IDS_ERR_NO_GSENSOR_DATA">
        <source>No G-sensor data</source>
        <translation>Geen G-sensorgegevens</translation>
    </message>
    <message id="IDS_ERR_NO_INTERNET">
        <source>No internet connection.</source>
        <translation>Geen internetverbinding.</translation>
    </message>
    <message id="IDS_ERR_OVER_MAX_UPLOAD">
        <source>You can upload up to 10 files at a time.</source>
        <translation>U kunt maximaal 10 bestanden tegelijk uploaden.</translation>
    </message>
    <message id="IDS_EVENT">
        <source>Event</source>
        <translation>Incident</translation>
    </message>
    <message id="IDS_EXPORT_TO_KML">
        <source>Export to KML</source>
        <translation>Exporteren naar KML</translation>
    </message>
    <message id="IDS_FILE_NAME">
        <source>File name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message id="IDS_FULL_SCREEN">
        <source>Full screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message id="IDS_LATITUDE">
        <source>Latitude</source>
        <translation>Breedtegraad</translation>
    </message>
    <message id="IDS_LOGIN">
        <source>Log in</source>
        <translation>Inloggen</translation>
    </message>
    <message id="IDS_LONGITUDE">
        <source>Longitude</source>
        <translation>Lengtegraad</translation>
    </message>
    <message id="IDS_NEXT_VIDEO">
        <source>Next video</source>
        <translation>Volgende video</translation>
    </message>
    <message id="IDS_NORMAL">
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message id="IDS_NORMAL_SCREEN">
        <source>Exit full screen</source>
        <translation>Venster</translation>
    </message>
    <message id="IDS_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="IDS_OPEN">
        <source>Open folder</source>
        <translation>Map openen</translation>
    </message>
    <message id="IDS_PARKING">
        <source>Parking</source>
        <translation>Parkeren</translation>
    </message>
    <message id="IDS_PASSWORD">
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message id="IDS_PAUSE">
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message id="IDS_PLAY">
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message id="IDS_PLAY_SPEED">
        <source>Playback speed</source>
        <translation>Afspeelsnelheid</translation>
    </message>
    <message id="IDS_PRE_VIDEO">
        <source>Previous video</source>
        <translation>Vorige video</translation>
    </message>
    <message id="IDS_PRINT">
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message id="IDS_PRINT_DATE">
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message id="IDS_PRINT_PREVIEW">
        <source>Print Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message id="IDS_SAVE_AS">
        <source>Save as</source>
        <translation>Opslaan als</translation>
    </message>
    <message id="IDS_SETTINGS">
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message id="IDS_SOUND_MUTE">
        <source>Mute</source>
        <translation>Geluid uit</translation>
    </message>
    <message id="IDS_SPEED">
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message id="IDS_TIMELAPSE">
        <source>Time-lapse</source>
        <translation>Timelapse</translation>
    </message>
    <message id="IDS_TITLE">
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message id="IDS_TOOLTIP_BACKUP">
        <source>Back up recordings</source>
        <translation>Opnamen back-uppen</translation>
    </message>
    <message id="IDS_TOOLTIP_PRINT">
        <source>Print a report</source>
        <translation>Rapport afdrukken</translation>
    </message>
    <message id="IDS_TRIPLAPSE">
        <source>Triplapse</source>
        <translation>Rit-timelapse</translation>
    </message>
    <message id="IDS_UNIT_DEGREE">
        <source>°</source>
        <translation>°</translation>
    </message>
    <message id="IDS_UPLOAD">
        <source>Upload</source>
        <translation>Uploaden</translation>
    </message>
    <message id="IDS_UPLOAD_FACEBOOK">
        <source>Upload to Facebook</source>
        <translation>Uploaden naar Facebook</translation>
    </message>
    <message id="IDS_UPLOAD_VIDEO_FAILED">
        <source>The video could not be uploaded.</source>
        <translation>De video kon niet worden geüpload.</translation>
    </message>
    <message id="IDS_UPLOAD_VIDEO_OK">
        <source>The video has been uploaded.</source>
        <translation>De video is geüpload.</translation>
    </message>
    <message id="IDS_UPLOAD_YOUTUBE">
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
    <message id="IDS_VERSION_COPYRIGHT">
        <source>Version %1
Copyright © 2026 Koriv. All rights reserved.</source>
        <translation>Versie %1
Copyright © 2026 Koriv. Alle rechten voorbehouden.</translation>
    </message>
    <message id="IDS_VIDEO_FILES">
        <source>Video files</source>
        <translation>Videobestanden</translation>
    </message>
    <message id="IDS_WINDOW_SWITCH">
        <source>Swap front and rear</source>
        <translation>Camera's wisselen</translation>
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
        <translation>Oranje</translation>
    </message>
    <message id="IDS_SKIN_STYLE_02">
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message id="IDS_SKIN_STYLE_03">
        <source>Bronze</source>
        <translation>Brons</translation>
    </message>
    <message id="IDS_SKIN_STYLE_04">
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message id="IDS_WEEK_1">
        <source>Sun</source>
        <translation>zo</translation>
    </message>
    <message id="IDS_WEEK_2">
        <source>Mon</source>
        <translation>ma</translation>
    </message>
    <message id="IDS_WEEK_3">
        <source>Tue</source>
        <translation>di</translation>
    </message>
    <message id="IDS_WEEK_4">
        <source>Wed</source>
        <translation>wo</translation>
    </message>
    <message id="IDS_WEEK_5">
        <source>Thu</source>
        <translation>do</translation>
    </message>
    <message id="IDS_WEEK_6">
        <source>Fri</source>
        <translation>vr</translation>
    </message>
    <message id="IDS_WEEK_7">
        <source>Sat</source>
        <translation>za</translation>
    </message>
    <message id="IDS_MENU_FILE">
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message id="IDS_MENU_HELP">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="IDS_QUIT">
        <source>Quit</source>
        <translation>Stoppen</translation>
    </message>
    <message id="IDS_CHECK_FOR_UPDATES">
        <source>Check for Updates…</source>
        <translation>Zoeken naar updates…</translation>
    </message>
    <message id="IDS_CARD_INSERTED">
        <source>A memory card with recordings was inserted: %1. Open it?</source>
        <translation>Er is een geheugenkaart met opnamen geplaatst: %1. Openen?</translation>
    </message>
    <message id="IDS_MENU_PLAYBACK">
        <source>Playback</source>
        <translation>Afspelen</translation>
    </message>
    <message id="IDS_ERR_EXPORT_FAILED">
        <source>The file could not be saved.</source>
        <translation>Het bestand kan niet worden opgeslagen.</translation>
    </message>
    <message id="IDS_SAVE">
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message id="IDS_FILE_DATE">
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message id="IDS_FILE_SIZE">
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message id="IDS_ERR_BACKUP_FAILED">
        <source>The copy stopped: a recording could not be read or the destination could not be written. The unfinished file was removed.</source>
        <translation>Het kopiëren is gestopt: een opname kon niet worden gelezen of de bestemming kon niet worden beschreven. Het onvolledige bestand is verwijderd.</translation>
    </message>
    <message id="IDS_ERR_BACKUP_SAME_FILE">
        <source>This recording is already in the chosen folder and was skipped.</source>
        <translation>Deze opname staat al in de gekozen map en is overgeslagen.</translation>
    </message>
    <message id="IDS_ERR_CAPTURE_SAVE_FAILED">
        <source>The picture could not be saved.</source>
        <translation>De afbeelding kon niet worden opgeslagen.</translation>
    </message>
    <message id="IDS_ERR_FOLDER_UNREADABLE">
        <source>This folder cannot be read. Check that the card is still inserted and that you may open the folder.</source>
        <translation>Deze map kan niet worden gelezen. Controleer of de kaart nog is geplaatst en of u de map mag openen.</translation>
    </message>
    <message id="IDS_OPEN_RECENT">
        <source>Open Recent</source>
        <translation>Recent geopend</translation>
    </message>
    <message id="IDS_CLEAR_RECENT">
        <source>Clear</source>
        <translation>Lijst wissen</translation>
    </message>
    <message id="IDS_VOLUME">
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message id="IDS_PLAY_POSITION">
        <source>Play position</source>
        <translation>Afspeelpositie</translation>
    </message>
    <message id="IDS_DAY_HAS_RECORDINGS">
        <source>Has recordings</source>
        <translation>Met opnamen</translation>
    </message>
    <message id="IDS_EXPORT_TRACK">
        <source>Export the track</source>
        <translation>Route exporteren</translation>
    </message>
    <message id="IDS_EXPORT_SCOPE">
        <source>Export:</source>
        <translation>Exporteren:</translation>
    </message>
    <message id="IDS_EXPORT_THIS_RECORDING">
        <source>This recording</source>
        <translation>Deze opname</translation>
    </message>
    <message id="IDS_EXPORT_THIS_TRIP">
        <source>This trip</source>
        <translation>Deze rit</translation>
    </message>
    <message id="IDS_EXPORT_THIS_DAY">
        <source>This day</source>
        <translation>Deze dag</translation>
    </message>
    <message id="IDS_TRIP_SUMMARY">
        <source>Trip: %1, %2 driving</source>
        <translation>Rit: %1, %2 rijden</translation>
    </message>
    <message id="IDS_ERR_BACKUP_VERIFY_FAILED">
        <source>The copy of this recording did not match the original when read back. It was removed, an earlier file of the same name was kept, and the backup stopped.</source>
        <translation>De kopie van deze opname kwam bij het teruglezen niet overeen met het origineel. Ze is verwijderd, een ouder bestand met dezelfde naam is behouden en de back-up is gestopt.</translation>
    </message>
    <message id="IDS_BACKUP_COPIED">
        <source>Copied: %1</source>
        <translation>Gekopieerd: %1</translation>
    </message>
    <message id="IDS_BACKUP_SKIPPED">
        <source>Already backed up, skipped: %1</source>
        <translation>Al geback-upt, overgeslagen: %1</translation>
    </message>
    <message id="IDS_BACKUP_NOT_COPIED">
        <source>Not copied: %1</source>
        <translation>Niet gekopieerd: %1</translation>
    </message>
    <message id="IDS_CARD_BACKUP_SETTING">
        <source>When a card with recordings is inserted, back up its event recordings to %1</source>
        <translation>Wanneer een kaart met opnamen wordt geplaatst, de gebeurtenisopnamen back-uppen naar %1</translation>
    </message>
    <message id="IDS_CARD_BACKUP_OFFER">
        <source>Back up event recordings</source>
        <translation>Gebeurtenisopnamen back-uppen</translation>
    </message>
    <message id="IDS_ERR_BACKUP_FOLDER">
        <source>The backup folder cannot be used: %1</source>
        <translation>De back-upmap kan niet worden gebruikt: %1</translation>
    </message>
    <message id="IDS_EXPORT_CLIP">
        <source>Export Clip</source>
        <translation>Clip exporteren</translation>
    </message>
    <message id="IDS_CLIP_CAMERAS">
        <source>Cameras</source>
        <translation>Camera's</translation>
    </message>
    <message id="IDS_CLIP_FRONT">
        <source>Front camera</source>
        <translation>Voorcamera</translation>
    </message>
    <message id="IDS_CLIP_REAR">
        <source>Rear camera</source>
        <translation>Achtercamera</translation>
    </message>
    <message id="IDS_CLIP_SIDE_BY_SIDE">
        <source>Both cameras, side by side</source>
        <translation>Beide camera's naast elkaar</translation>
    </message>
    <message id="IDS_CLIP_PICTURE_IN_PICTURE">
        <source>Both cameras, rear inside front</source>
        <translation>Beide camera's, achtercamera in het beeld van de voorcamera</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY">
        <source>Overlay</source>
        <translation>Overlay</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_NONE">
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_TIME">
        <source>Date and time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_FULL">
        <source>Date, time, speed, position and G values</source>
        <translation>Datum, tijd, snelheid, positie en G-waarden</translation>
    </message>
    <message id="IDS_CLIP_SOUND">
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message id="IDS_CLIP_SOUND_FRONT">
        <source>Front camera's sound</source>
        <translation>Geluid van de voorcamera</translation>
    </message>
    <message id="IDS_CLIP_SOUND_NONE">
        <source>No sound</source>
        <translation>Geen geluid</translation>
    </message>
    <message id="IDS_CLIP_FOLDER">
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message id="IDS_CLIP_REPLACE">
        <source>A file of this name already exists. Replace it?</source>
        <translation>Er bestaat al een bestand met deze naam. Vervangen?</translation>
    </message>
    <message id="IDS_ERR_CLIP_FAILED">
        <source>The clip could not be exported. Nothing was written.</source>
        <translation>De clip kon niet worden geëxporteerd. Er is niets geschreven.</translation>
    </message>
    <message id="IDS_ERR_CLIP_RANGE">
        <source>The clip's start and end do not lie within the recordings.</source>
        <translation>Begin en einde van de clip liggen niet binnen de opnamen.</translation>
    </message>
</context>
</TS>
