<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name></name>
    <message id="IDR_MAINFRAME">
        <source>Koriv Manager</source>
        <translation>Koriv Manager</translation>
    </message>
    <message id="IDS_ABOUT">
        <source>About Koriv Manager</source>
        <translation>Koriv Manager について</translation>
    </message>
    <message id="IDS_ALL">
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message id="IDS_ALTITUDE">
        <source>Altitude</source>
        <translation>高度</translation>
    </message>
    <message id="IDS_BACKUP">
        <source>Backup</source>
        <translation>バックアップ</translation>
    </message>
    <message id="IDS_CALENDAR">
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message id="IDS_CANCEL">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="IDS_CAPTURE">
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message id="IDS_CAPTURE_PREVIEW">
        <source>Capture Preview</source>
        <translation>キャプチャのプレビュー</translation>
    </message>
    <message id="IDS_CHANGE_LANGUAGE">
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message id="IDS_CHANGE_SKIN">
        <source>Skin</source>
        <translation>スキン</translation>
    </message>
    <message id="IDS_CHANGE_SPEED_UNIT">
        <source>Speed unit</source>
        <translation>速度の単位</translation>
    </message>
    <message id="IDS_CLOSE">
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message id="IDS_DESCRIPTION">
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message id="IDS_DIRECTION">
        <source>Heading</source>
        <translation>方位</translation>
    </message>
    <message id="IDS_EMAIL">
        <source>E-mail</source>
        <translation>メールアドレス</translation>
    </message>
    <message id="IDS_ERR_EMAIL_PASSWORD">
        <source>Wrong e-mail address or password.</source>
        <translation>メールアドレスまたはパスワードが正しくありません。</translation>
    </message>
    <message id="IDS_ERR_FOLDER_READ_ONLY">
        <source>This folder is read-only. Choose another folder.</source>
        <translation>このフォルダーは読み取り専用です。別のフォルダーを選んでください。</translation>
    </message>
    <message id="IDS_ERR_INSTALL_CODEC">
        <source>This video cannot be played. Install the missing video codec and try again.</source>
        <translation>この動画を再生できません。必要なビデオコーデックをインストールしてから、もう一度お試しください。</translation>
    </message>
    <message id="IDS_ERR_NO_DISK_SPACE">
        <source>Not enough free disk space.</source>
        <translation>ディスクの空き容量が足りません。</translation>
    </message>
    <message id="IDS_ERR_NO_GPS_DATA">
        <source>No GPS data</source>
        <translation>GPS データなし</translation>
    </message>
    <message id="IDS_ERR_NO_GSENSOR_DATA">
        <source>No G-sensor data</source>
        <translation>G センサーのデータなし</translation>
    </message>
    <message id="IDS_ERR_NO_INTERNET">
        <source>No internet connection.</source>
        <translation>インターネットに接続されていません。</translation>
    </message>
    <message id="IDS_ERR_OVER_MAX_UPLOAD">
        <source>You can upload up to 10 files at a time.</source>
        <translation>一度にアップロードできるのは 10 ファイルまでです。</translation>
    </message>
    <message id="IDS_EVENT">
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message id="IDS_EXPORT_TO_KML">
        <source>Export to KML</source>
        <translation>KML に書き出し</translation>
    </message>
    <message id="IDS_FILE_NAME">
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message id="IDS_FULL_SCREEN">
        <source>Full screen</source>
        <translation>全画面</translation>
    </message>
    <message id="IDS_LATITUDE">
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message id="IDS_LOGIN">
        <source>Log in</source>
        <translation>ログイン</translation>
    </message>
    <message id="IDS_LONGITUDE">
        <source>Longitude</source>
        <translation>経度</translation>
    </message>
    <message id="IDS_NEXT_VIDEO">
        <source>Next video</source>
        <translation>次の動画</translation>
    </message>
    <message id="IDS_NORMAL">
        <source>Normal</source>
        <translation>常時</translation>
    </message>
    <message id="IDS_NORMAL_SCREEN">
        <source>Exit full screen</source>
        <translation>全画面を終了</translation>
    </message>
    <message id="IDS_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="IDS_OPEN">
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message id="IDS_PARKING">
        <source>Parking</source>
        <translation>駐車</translation>
    </message>
    <message id="IDS_PASSWORD">
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message id="IDS_PAUSE">
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message id="IDS_PLAY">
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message id="IDS_PLAY_SPEED">
        <source>Playback speed</source>
        <translation>再生速度</translation>
    </message>
    <message id="IDS_PRE_VIDEO">
        <source>Previous video</source>
        <translation>前の動画</translation>
    </message>
    <message id="IDS_PRINT">
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message id="IDS_PRINT_DATE">
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message id="IDS_PRINT_PREVIEW">
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message id="IDS_SAVE_AS">
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message id="IDS_SETTINGS">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="IDS_SOUND_MUTE">
        <source>Mute</source>
        <translation>消音</translation>
    </message>
    <message id="IDS_SPEED">
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message id="IDS_TIMELAPSE">
        <source>Time-lapse</source>
        <translation>タイムラプス</translation>
    </message>
    <message id="IDS_TITLE">
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message id="IDS_TOOLTIP_BACKUP">
        <source>Back up recordings</source>
        <translation>録画をバックアップ</translation>
    </message>
    <message id="IDS_TOOLTIP_PRINT">
        <source>Print a report</source>
        <translation>レポートを印刷</translation>
    </message>
    <message id="IDS_TRIPLAPSE">
        <source>Triplapse</source>
        <translation>トリップ</translation>
    </message>
    <message id="IDS_UNIT_DEGREE">
        <source>°</source>
        <translation>°</translation>
    </message>
    <message id="IDS_UPLOAD">
        <source>Upload</source>
        <translation>アップロード</translation>
    </message>
    <message id="IDS_UPLOAD_FACEBOOK">
        <source>Upload to Facebook</source>
        <translation>Facebook にアップロード</translation>
    </message>
    <message id="IDS_UPLOAD_VIDEO_FAILED">
        <source>The video could not be uploaded.</source>
        <translation>動画をアップロードできませんでした。</translation>
    </message>
    <message id="IDS_UPLOAD_VIDEO_OK">
        <source>The video has been uploaded.</source>
        <translation>動画をアップロードしました。</translation>
    </message>
    <message id="IDS_UPLOAD_YOUTUBE">
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
    <message id="IDS_VERSION_COPYRIGHT">
        <source>Version %1
Copyright © 2026 Koriv. All rights reserved.</source>
        <translation>バージョン %1
Copyright © 2026 Koriv. All rights reserved.</translation>
    </message>
    <message id="IDS_VIDEO_FILES">
        <source>Video files</source>
        <translation>動画ファイル</translation>
    </message>
    <message id="IDS_WINDOW_SWITCH">
        <source>Swap front and rear</source>
        <translation>前後カメラを入れ替え</translation>
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
        <translation>オレンジ</translation>
    </message>
    <message id="IDS_SKIN_STYLE_02">
        <source>Green</source>
        <translation>グリーン</translation>
    </message>
    <message id="IDS_SKIN_STYLE_03">
        <source>Bronze</source>
        <translation>ブロンズ</translation>
    </message>
    <message id="IDS_SKIN_STYLE_04">
        <source>Blue</source>
        <translation>ブルー</translation>
    </message>
    <message id="IDS_WEEK_1">
        <source>Sun</source>
        <translation>日</translation>
    </message>
    <message id="IDS_WEEK_2">
        <source>Mon</source>
        <translation>月</translation>
    </message>
    <message id="IDS_WEEK_3">
        <source>Tue</source>
        <translation>火</translation>
    </message>
    <message id="IDS_WEEK_4">
        <source>Wed</source>
        <translation>水</translation>
    </message>
    <message id="IDS_WEEK_5">
        <source>Thu</source>
        <translation>木</translation>
    </message>
    <message id="IDS_WEEK_6">
        <source>Fri</source>
        <translation>金</translation>
    </message>
    <message id="IDS_WEEK_7">
        <source>Sat</source>
        <translation>土</translation>
    </message>
    <message id="IDS_MENU_FILE">
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message id="IDS_MENU_HELP">
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message id="IDS_QUIT">
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message id="IDS_CHECK_FOR_UPDATES">
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message id="IDS_CARD_INSERTED">
        <source>A memory card with recordings was inserted: %1. Open it?</source>
        <translation>録画を含むメモリーカードが挿入されました: %1。開きますか?</translation>
    </message>
    <message id="IDS_MENU_PLAYBACK">
        <source>Playback</source>
        <translation>再生</translation>
    </message>
    <message id="IDS_ERR_EXPORT_FAILED">
        <source>The file could not be saved.</source>
        <translation>ファイルを保存できませんでした。</translation>
    </message>
    <message id="IDS_SAVE">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="IDS_FILE_DATE">
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message id="IDS_FILE_SIZE">
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message id="IDS_ERR_BACKUP_FAILED">
        <source>The copy stopped: a recording could not be read or the destination could not be written. The unfinished file was removed.</source>
        <translation>コピーを中止しました。録画を読み込めないか、保存先に書き込めませんでした。未完成のファイルは削除されました。</translation>
    </message>
    <message id="IDS_ERR_BACKUP_SAME_FILE">
        <source>This recording is already in the chosen folder and was skipped.</source>
        <translation>この録画はすでに選択したフォルダーにあるため、スキップしました。</translation>
    </message>
    <message id="IDS_ERR_CAPTURE_SAVE_FAILED">
        <source>The picture could not be saved.</source>
        <translation>画像を保存できませんでした。</translation>
    </message>
    <message id="IDS_ERR_FOLDER_UNREADABLE">
        <source>This folder cannot be read. Check that the card is still inserted and that you may open the folder.</source>
        <translation>このフォルダーを読み取れません。カードが挿入されたままか、フォルダーを開く権限があるかを確認してください。</translation>
    </message>
    <message id="IDS_OPEN_RECENT">
        <source>Open Recent</source>
        <translation>最近使ったフォルダーを開く</translation>
    </message>
    <message id="IDS_CLEAR_RECENT">
        <source>Clear</source>
        <translation>履歴を消去</translation>
    </message>
    <message id="IDS_VOLUME">
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message id="IDS_PLAY_POSITION">
        <source>Play position</source>
        <translation>再生位置</translation>
    </message>
    <message id="IDS_DAY_HAS_RECORDINGS">
        <source>Has recordings</source>
        <translation>録画あり</translation>
    </message>
    <message id="IDS_EXPORT_TRACK">
        <source>Export the track</source>
        <translation>ルートをエクスポート</translation>
    </message>
    <message id="IDS_EXPORT_SCOPE">
        <source>Export:</source>
        <translation>エクスポート:</translation>
    </message>
    <message id="IDS_EXPORT_THIS_RECORDING">
        <source>This recording</source>
        <translation>この録画</translation>
    </message>
    <message id="IDS_EXPORT_THIS_TRIP">
        <source>This trip</source>
        <translation>この走行</translation>
    </message>
    <message id="IDS_EXPORT_THIS_DAY">
        <source>This day</source>
        <translation>この日</translation>
    </message>
    <message id="IDS_TRIP_SUMMARY">
        <source>Trip: %1, %2 driving</source>
        <translation>走行: %1、運転時間 %2</translation>
    </message>
    <message id="IDS_ERR_BACKUP_VERIFY_FAILED">
        <source>The copy of this recording did not match the original when read back. It was removed, an earlier file of the same name was kept, and the backup stopped.</source>
        <translation>この録画のコピーを読み戻したところ、元のファイルと一致しませんでした。コピーは削除され、同じ名前の以前のファイルは残されました。バックアップを中止しました。</translation>
    </message>
    <message id="IDS_BACKUP_COPIED">
        <source>Copied: %1</source>
        <translation>コピー済み: %1</translation>
    </message>
    <message id="IDS_BACKUP_SKIPPED">
        <source>Already backed up, skipped: %1</source>
        <translation>バックアップ済みのためスキップ: %1</translation>
    </message>
    <message id="IDS_BACKUP_NOT_COPIED">
        <source>Not copied: %1</source>
        <translation>未コピー: %1</translation>
    </message>
    <message id="IDS_CARD_BACKUP_SETTING">
        <source>When a card with recordings is inserted, back up its event recordings to %1</source>
        <translation>録画のあるカードが挿入されたら、イベント録画を %1 にバックアップする</translation>
    </message>
    <message id="IDS_CARD_BACKUP_OFFER">
        <source>Back up event recordings</source>
        <translation>イベント録画をバックアップ</translation>
    </message>
    <message id="IDS_ERR_BACKUP_FOLDER">
        <source>The backup folder cannot be used: %1</source>
        <translation>バックアップ先フォルダーを使用できません: %1</translation>
    </message>
    <message id="IDS_EXPORT_CLIP">
        <source>Export Clip</source>
        <translation>クリップを書き出す</translation>
    </message>
    <message id="IDS_CLIP_CAMERAS">
        <source>Cameras</source>
        <translation>カメラ</translation>
    </message>
    <message id="IDS_CLIP_FRONT">
        <source>Front camera</source>
        <translation>フロントカメラ</translation>
    </message>
    <message id="IDS_CLIP_REAR">
        <source>Rear camera</source>
        <translation>リアカメラ</translation>
    </message>
    <message id="IDS_CLIP_SIDE_BY_SIDE">
        <source>Both cameras, side by side</source>
        <translation>両方のカメラを横に並べる</translation>
    </message>
    <message id="IDS_CLIP_PICTURE_IN_PICTURE">
        <source>Both cameras, rear inside front</source>
        <translation>両方のカメラ（リアをフロントの画面内に表示）</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY">
        <source>Overlay</source>
        <translation>オーバーレイ</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_NONE">
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_TIME">
        <source>Date and time</source>
        <translation>日付と時刻</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_FULL">
        <source>Date, time, speed, position and G values</source>
        <translation>日付、時刻、速度、位置、G値</translation>
    </message>
    <message id="IDS_CLIP_SOUND">
        <source>Sound</source>
        <translation>音声</translation>
    </message>
    <message id="IDS_CLIP_SOUND_FRONT">
        <source>Front camera's sound</source>
        <translation>フロントカメラの音声</translation>
    </message>
    <message id="IDS_CLIP_SOUND_NONE">
        <source>No sound</source>
        <translation>音声なし</translation>
    </message>
    <message id="IDS_CLIP_FOLDER">
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message id="IDS_CLIP_REPLACE">
        <source>A file of this name already exists. Replace it?</source>
        <translation>同じ名前のファイルが既にあります。置き換えますか？</translation>
    </message>
    <message id="IDS_ERR_CLIP_FAILED">
        <source>The clip could not be exported. Nothing was written.</source>
        <translation>クリップを書き出せませんでした。何も書き込まれていません。</translation>
    </message>
    <message id="IDS_ERR_CLIP_RANGE">
        <source>The clip's start and end do not lie within the recordings.</source>
        <translation>クリップの開始と終了が録画の範囲内にありません。</translation>
    </message>
</context>
</TS>
