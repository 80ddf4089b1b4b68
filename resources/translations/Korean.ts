<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name></name>
    <message id="IDR_MAINFRAME">
        <source>Koriv Manager</source>
        <translation>Koriv Manager</translation>
    </message>
    <message id="IDS_ABOUT">
        <source>About Koriv Manager</source>
        <translation>Koriv Manager 정보</translation>
    </message>
    <message id="IDS_ALL">
        <source>All</source>
        <translation>전체</translation>
    </message>
    <message id="IDS_ALTITUDE">
        <source>Altitude</source>
        <translation>고도</translation>
    </message>
    <message id="IDS_BACKUP">
        <source>Backup</source>
        <translation>백업</translation>
    </message>
    <message id="IDS_CALENDAR">
        <source>Calendar</source>
        <translation>달력</translation>
    </message>
    <message id="IDS_CANCEL">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="IDS_CAPTURE">
        <source>Capture</source>
        <translation>캡처</translation>
    </message>
    <message id="IDS_CAPTURE_PREVIEW">
        <source>Capture Preview</source>
        <translation>캡처 미리보기</translation>
    </message>
    <message id="IDS_CHANGE_LANGUAGE">
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message id="IDS_CHANGE_SKIN">
        <source>Skin</source>
        <translation>스킨</translation>
    </message>
    <message id="IDS_CHANGE_SPEED_UNIT">
        <source>Speed unit</source>
        <translation>속도 단위</translation>
    </message>
    <message id="IDS_CLOSE">
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message id="IDS_DESCRIPTION">
        <source>Description</source>
        <translation>설명</translation>
    </message>
    <message id="IDS_DIRECTION">
        <source>Heading</source>
        <translation>방향</translation>
    </message>
    <message id="IDS_EMAIL">
        <source>E-mail</source>
        <translation>이메일</translation>
    </message>
    <message id="IDS_ERR_EMAIL_PASSWORD">
        <source>Wrong e-mail address or password.</source>
        <translation>이메일 또는 비밀번호가 올바르지 않습니다.</translation>
    </message>
    <message id="IDS_ERR_FOLDER_READ_ONLY">
        <source>This folder is read-only. Choose another folder.</source>
        <translation>읽기 전용 폴더입니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message id="IDS_ERR_INSTALL_CODEC">
        <source>This video cannot be played. Install the missing video codec and try again.</source>
        <translation>이 영상을 재생할 수 없습니다. 필요한 비디오 코덱을 설치한 후 다시 시도하세요.</translation>
    </message>
    <message id="IDS_ERR_NO_DISK_SPACE">
        <source>Not enough free disk space.</source>
        <translation>디스크 공간이 부족합니다.</translation>
    </message>
    <message id="IDS_ERR_NO_GPS_DATA">
        <source>No GPS data</source>
        <translation>GPS 데이터 없음</translation>
    </message>
    <message id="IDS_ERR_NO_GSENSOR_DATA">
        <source>No G-sensor data</source>
        <translation>G센서 데이터 없음</translation>
    </message>
    <message id="IDS_ERR_NO_INTERNET">
        <source>No internet connection.</source>
        <translation>인터넷에 연결되어 있지 않습니다.</translation>
    </message>
    <message id="IDS_ERR_OVER_MAX_UPLOAD">
        <source>You can upload up to 10 files at a time.</source>
        <translation>한 번에 최대 10개 파일까지 업로드할 수 있습니다.</translation>
    </message>
    <message id="IDS_EVENT">
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message id="IDS_EXPORT_TO_KML">
        <source>Export to KML</source>
        <translation>KML로 내보내기</translation>
    </message>
    <message id="IDS_FILE_NAME">
        <source>File name</source>
        <translation>파일 이름</translation>
    </message>
    <message id="IDS_FULL_SCREEN">
        <source>Full screen</source>
        <translation>전체 화면</translation>
    </message>
    <message id="IDS_LATITUDE">
        <source>Latitude</source>
        <translation>위도</translation>
    </message>
    <message id="IDS_LOGIN">
        <source>Log in</source>
        <translation>로그인</translation>
    </message>
    <message id="IDS_LONGITUDE">
        <source>Longitude</source>
        <translation>경도</translation>
    </message>
    <message id="IDS_NEXT_VIDEO">
        <source>Next video</source>
        <translation>다음 영상</translation>
    </message>
    <message id="IDS_NORMAL">
        <source>Normal</source>
        <translation>상시</translation>
    </message>
    <message id="IDS_NORMAL_SCREEN">
        <source>Exit full screen</source>
        <translation>전체 화면 종료</translation>
    </message>
    <message id="IDS_OK">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="IDS_OPEN">
        <source>Open folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message id="IDS_PARKING">
        <source>Parking</source>
        <translation>주차</translation>
    </message>
    <message id="IDS_PASSWORD">
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message id="IDS_PAUSE">
        <source>Pause</source>
        <translation>일시정지</translation>
    </message>
    <message id="IDS_PLAY">
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message id="IDS_PLAY_SPEED">
        <source>Playback speed</source>
        <translation>재생 속도</translation>
    </message>
    <message id="IDS_PRE_VIDEO">
        <source>Previous video</source>
        <translation>이전 영상</translation>
    </message>
    <message id="IDS_PRINT">
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message id="IDS_PRINT_DATE">
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message id="IDS_PRINT_PREVIEW">
        <source>Print Preview</source>
        <translation>인쇄 미리보기</translation>
    </message>
    <message id="IDS_SAVE_AS">
        <source>Save as</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message id="IDS_SETTINGS">
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message id="IDS_SOUND_MUTE">
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message id="IDS_SPEED">
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message id="IDS_TIMELAPSE">
        <source>Time-lapse</source>
        <translation>타임랩스</translation>
    </message>
    <message id="IDS_TITLE">
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message id="IDS_TOOLTIP_BACKUP">
        <source>Back up recordings</source>
        <translation>녹화 영상 백업</translation>
    </message>
    <message id="IDS_TOOLTIP_PRINT">
        <source>Print a report</source>
        <translation>보고서 인쇄</translation>
    </message>
    <message id="IDS_TRIPLAPSE">
        <source>Triplapse</source>
        <translation>주행 타임랩스</translation>
    </message>
    <message id="IDS_UNIT_DEGREE">
        <source>°</source>
        <translation>°</translation>
    </message>
    <message id="IDS_UPLOAD">
        <source>Upload</source>
        <translation>업로드</translation>
    </message>
    <message id="IDS_UPLOAD_FACEBOOK">
        <source>Upload to Facebook</source>
        <translation>Facebook에 업로드</translation>
    </message>
    <message id="IDS_UPLOAD_VIDEO_FAILED">
        <source>The video could not be uploaded.</source>
        <translation>영상을 업로드하지 못했습니다.</translation>
    </message>
    <message id="IDS_UPLOAD_VIDEO_OK">
        <source>The video has been uploaded.</source>
        <translation>영상이 업로드되었습니다.</translation>
    </message>
    <message id="IDS_UPLOAD_YOUTUBE">
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
    <message id="IDS_VERSION_COPYRIGHT">
        <source>Version %1
Copyright © 2026 Koriv. All rights reserved.</source>
        <translation>버전 %1
Copyright © 2026 Koriv. All rights reserved.</translation>
    </message>
    <message id="IDS_VIDEO_FILES">
        <source>Video files</source>
        <translation>영상 파일</translation>
    </message>
    <message id="IDS_WINDOW_SWITCH">
        <source>Swap front and rear</source>
        <translation>전방/후방 전환</translation>
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
        <translation>오렌지</translation>
    </message>
    <message id="IDS_SKIN_STYLE_02">
        <source>Green</source>
        <translation>그린</translation>
    </message>
    <message id="IDS_SKIN_STYLE_03">
        <source>Bronze</source>
        <translation>브론즈</translation>
    </message>
    <message id="IDS_SKIN_STYLE_04">
        <source>Blue</source>
        <translation>블루</translation>
    </message>
    <message id="IDS_WEEK_1">
        <source>Sun</source>
        <translation>일</translation>
    </message>
    <message id="IDS_WEEK_2">
        <source>Mon</source>
        <translation>월</translation>
    </message>
    <message id="IDS_WEEK_3">
        <source>Tue</source>
        <translation>화</translation>
    </message>
    <message id="IDS_WEEK_4">
        <source>Wed</source>
        <translation>수</translation>
    </message>
    <message id="IDS_WEEK_5">
        <source>Thu</source>
        <translation>목</translation>
    </message>
    <message id="IDS_WEEK_6">
        <source>Fri</source>
        <translation>금</translation>
    </message>
    <message id="IDS_WEEK_7">
        <source>Sat</source>
        <translation>토</translation>
    </message>
    <message id="IDS_MENU_FILE">
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message id="IDS_MENU_HELP">
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message id="IDS_QUIT">
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message id="IDS_CHECK_FOR_UPDATES">
        <source>Check for Updates…</source>
        <translation>업데이트 확인…</translation>
    </message>
    <message id="IDS_CARD_INSERTED">
        <source>A memory card with recordings was inserted: %1. Open it?</source>
        <translation>녹화 파일이 있는 메모리 카드가 삽입되었습니다: %1. 여시겠습니까?</translation>
    </message>
    <message id="IDS_MENU_PLAYBACK">
        <source>Playback</source>
        <translation>재생</translation>
    </message>
    <message id="IDS_ERR_EXPORT_FAILED">
        <source>The file could not be saved.</source>
        <translation>파일을 저장할 수 없습니다.</translation>
    </message>
    <message id="IDS_SAVE">
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message id="IDS_FILE_DATE">
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message id="IDS_FILE_SIZE">
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message id="IDS_ERR_BACKUP_FAILED">
        <source>The copy stopped: a recording could not be read or the destination could not be written. The unfinished file was removed.</source>
        <translation>복사가 중단되었습니다. 녹화 파일을 읽을 수 없거나 대상에 쓸 수 없습니다. 완료되지 않은 파일은 삭제되었습니다.</translation>
    </message>
    <message id="IDS_ERR_BACKUP_SAME_FILE">
        <source>This recording is already in the chosen folder and was skipped.</source>
        <translation>이 녹화 파일은 이미 선택한 폴더에 있어 건너뛰었습니다.</translation>
    </message>
    <message id="IDS_ERR_CAPTURE_SAVE_FAILED">
        <source>The picture could not be saved.</source>
        <translation>이미지를 저장할 수 없습니다.</translation>
    </message>
    <message id="IDS_ERR_FOLDER_UNREADABLE">
        <source>This folder cannot be read. Check that the card is still inserted and that you may open the folder.</source>
        <translation>이 폴더를 읽을 수 없습니다. 카드가 아직 삽입되어 있는지, 폴더를 열 권한이 있는지 확인하십시오.</translation>
    </message>
    <message id="IDS_OPEN_RECENT">
        <source>Open Recent</source>
        <translation>최근 폴더 열기</translation>
    </message>
    <message id="IDS_CLEAR_RECENT">
        <source>Clear</source>
        <translation>목록 지우기</translation>
    </message>
    <message id="IDS_VOLUME">
        <source>Volume</source>
        <translation>음량</translation>
    </message>
    <message id="IDS_PLAY_POSITION">
        <source>Play position</source>
        <translation>재생 위치</translation>
    </message>
    <message id="IDS_DAY_HAS_RECORDINGS">
        <source>Has recordings</source>
        <translation>녹화 있음</translation>
    </message>
    <message id="IDS_EXPORT_TRACK">
        <source>Export the track</source>
        <translation>경로 내보내기</translation>
    </message>
    <message id="IDS_EXPORT_SCOPE">
        <source>Export:</source>
        <translation>내보내기:</translation>
    </message>
    <message id="IDS_EXPORT_THIS_RECORDING">
        <source>This recording</source>
        <translation>이 녹화</translation>
    </message>
    <message id="IDS_EXPORT_THIS_TRIP">
        <source>This trip</source>
        <translation>이 주행</translation>
    </message>
    <message id="IDS_EXPORT_THIS_DAY">
        <source>This day</source>
        <translation>이 날</translation>
    </message>
    <message id="IDS_TRIP_SUMMARY">
        <source>Trip: %1, %2 driving</source>
        <translation>주행: %1, 운전 시간 %2</translation>
    </message>
    <message id="IDS_ERR_BACKUP_VERIFY_FAILED">
        <source>The copy of this recording did not match the original when read back. It was removed, an earlier file of the same name was kept, and the backup stopped.</source>
        <translation>이 녹화의 복사본을 다시 읽었을 때 원본과 일치하지 않았습니다. 복사본은 삭제되었고 같은 이름의 이전 파일은 유지되었으며 백업이 중지되었습니다.</translation>
    </message>
    <message id="IDS_BACKUP_COPIED">
        <source>Copied: %1</source>
        <translation>복사됨: %1</translation>
    </message>
    <message id="IDS_BACKUP_SKIPPED">
        <source>Already backed up, skipped: %1</source>
        <translation>이미 백업되어 건너뜀: %1</translation>
    </message>
    <message id="IDS_BACKUP_NOT_COPIED">
        <source>Not copied: %1</source>
        <translation>복사되지 않음: %1</translation>
    </message>
    <message id="IDS_CARD_BACKUP_SETTING">
        <source>When a card with recordings is inserted, back up its event recordings to %1</source>
        <translation>녹화가 있는 카드를 넣으면 이벤트 녹화를 %1에 백업</translation>
    </message>
    <message id="IDS_CARD_BACKUP_OFFER">
        <source>Back up event recordings</source>
        <translation>이벤트 녹화 백업</translation>
    </message>
    <message id="IDS_ERR_BACKUP_FOLDER">
        <source>The backup folder cannot be used: %1</source>
        <translation>백업 폴더를 사용할 수 없습니다: %1</translation>
    </message>
    <message id="IDS_EXPORT_CLIP">
        <source>Export Clip</source>
        <translation>클립 내보내기</translation>
    </message>
    <message id="IDS_CLIP_CAMERAS">
        <source>Cameras</source>
        <translation>카메라</translation>
    </message>
    <message id="IDS_CLIP_FRONT">
        <source>Front camera</source>
        <translation>전방 카메라</translation>
    </message>
    <message id="IDS_CLIP_REAR">
        <source>Rear camera</source>
        <translation>후방 카메라</translation>
    </message>
    <message id="IDS_CLIP_SIDE_BY_SIDE">
        <source>Both cameras, side by side</source>
        <translation>두 카메라 나란히</translation>
    </message>
    <message id="IDS_CLIP_PICTURE_IN_PICTURE">
        <source>Both cameras, rear inside front</source>
        <translation>두 카메라, 전방 화면 안에 후방</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY">
        <source>Overlay</source>
        <translation>오버레이</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_NONE">
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_TIME">
        <source>Date and time</source>
        <translation>날짜 및 시간</translation>
    </message>
    <message id="IDS_CLIP_OVERLAY_FULL">
        <source>Date, time, speed, position and G values</source>
        <translation>날짜, 시간, 속도, 위치 및 G 값</translation>
    </message>
    <message id="IDS_CLIP_SOUND">
        <source>Sound</source>
        <translation>소리</translation>
    </message>
    <message id="IDS_CLIP_SOUND_FRONT">
        <source>Front camera's sound</source>
        <translation>전방 카메라 소리</translation>
    </message>
    <message id="IDS_CLIP_SOUND_NONE">
        <source>No sound</source>
        <translation>소리 없음</translation>
    </message>
    <message id="IDS_CLIP_FOLDER">
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message id="IDS_CLIP_REPLACE">
        <source>A file of this name already exists. Replace it?</source>
        <translation>같은 이름의 파일이 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message id="IDS_ERR_CLIP_FAILED">
        <source>The clip could not be exported. Nothing was written.</source>
        <translation>클립을 내보낼 수 없습니다. 아무것도 기록되지 않았습니다.</translation>
    </message>
    <message id="IDS_ERR_CLIP_RANGE">
        <source>The clip's start and end do not lie within the recordings.</source>
        <translation>클립의 시작과 끝이 녹화 범위 안에 있지 않습니다.</translation>
    </message>
</context>
</TS>
