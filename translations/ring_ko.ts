<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Kelvaro</name>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>열기…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>윈도우 닫기</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사하기</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>새로운 Finder 윈도우</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>새로운 폴더</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>정보 가져오기</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>복제</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>다운로드로 이동</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>보기 옵션 보기</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>새로운 탭</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>새로운 윈도우</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>탭 닫기</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>마지막 탭 다시 열기</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>페이지 새로 고침</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>읽기 도구 보기</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>새로운 개인 정보 보호 윈도우</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>닫은 탭 다시 열기</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>개발자 도구</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>새 시크릿 창</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>새로운 메시지</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>회신</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>전체 회신</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>전달</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>편지함 검색</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>새로운 메모</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>체크리스트</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>파일 첨부</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>이모티콘 및 기호</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>새로운 이벤트</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>오늘로 이동</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>일별 보기</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>주별 보기</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>월별 보기</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>화면 지우기</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>패널 분할</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>실행</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>빌드</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>테스트</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>빠르게 열기</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>캔버스/어시스턴트 보기</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>빠른 열기</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>명령 팔레트</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>터미널 전환</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>사이드바 전환</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>새로운 파일</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>빠른 전환기</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>스레드</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>멘션 및 반응</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>음소거 전환</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>헤드셋 음소거 전환</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>받은 편지함</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>이모티콘 선택기</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>실제 크기</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>슬라이드쇼</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>임의 재생</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>대기열 보기</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>새로운 앨범</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>즐겨찾기</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>오디오 음소거</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>비디오 시작</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>화면 공유</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>채팅 보기</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>참가자 보기</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>새로운 페이지</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>코멘트 추가</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>할 일 목록</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>프레임 도구</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>이동 도구</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>텍스트 도구</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>펜 도구</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>선택 항목 그룹화</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>새로운 문서</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>볼드체</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>PDF로 내보내기</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>새로운 스프레드시트</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>위에 행 추가</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>차트 삽입</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>새로운 프레젠테이션</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>슬라이드쇼 재생</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>새로운 슬라이드</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>발표자 디스플레이</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>이전에 저장됨</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>지원되는 브라우저가 실행 중이지 않습니다.</translation>
    </message>
    <message>
        <source>Could not read %1's tabs.</source>
        <translation>%1의 탭을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro가 %1의 열린 탭을 읽을 수 없습니다. 사용자가 ~/.config에 있는 브라우저의 프로필 폴더와 Sessions 폴더를 읽을 수 있는지 확인하십시오.</translation>
    </message>
</context>
</TS>
