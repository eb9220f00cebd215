<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>앱 전환기 보기</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>단축키 런처 보기</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>로그인 시 시작</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>실행 시 메시지 보기</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro 도움말</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>업데이트 확인…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Kelvaro 종료</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro 설정</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Kelvaro에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>윈도우 %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>왼쪽 화살표</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>오른쪽 화살표</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>위쪽 화살표</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>아래쪽 화살표</translation>
    </message>
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
        <source>Could not read %1&apos;s tabs.</source>
        <translation>%1의 탭을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro가 %1의 열린 탭을 읽을 수 없습니다. 사용자가 ~/.config에 있는 브라우저의 프로필 폴더와 Sessions 폴더를 읽을 수 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>런처에 앱 추가</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>링에 추가할 앱을 선택하세요.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>소프트웨어 업데이트</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>새로운 버전이 있습니다</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 버전이 준비되었습니다. 현재 버전은 %2입니다.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>업데이트를 확인할 수 없습니다</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>업데이트 확인 중…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>최신 버전을 사용 중입니다</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 버전이 최신 버전입니다.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>업데이트 피드가 설정되지 않았습니다.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>업데이트 서버에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>이 버전 건너뛰기</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro가 이제 익명 사용 데이터를 보냅니다</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>이전 버전은 아무것도 보내지 않았습니다. 이 버전은 앱이 실행될 때, 링이 열릴 때, 그리고 캡처에서 찾은 탭 수를 보고합니다.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>창 제목, URL, 파일 경로, 입력한 내용은 보내지 않습니다.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>켜 두기</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>앱 전환기</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>단축키 실행기</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>저장된 암호</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>저장된 탭</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>실행 중인 앱의 링을 엽니다.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>앞에 있는 앱에 저장한 단축키를 엽니다.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>저장된 암호의 링을 엽니다.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>보조 키 누르고 있기</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>보조 키를 누른 채 마우스로 가리킨 다음 놓아서 선택합니다.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>토글</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>키를 놓아도 링이 열려 있습니다. 단축키를 다시 누르거나 클릭하여 선택합니다.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>포인터 위치</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>링이 포인터 주위에 열리므로 항상 손이 닿는 곳에 있습니다.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>화면 중앙</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>링이 항상 화면 가운데에 열립니다.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>지정된 단축키가 없습니다 — 키보드로 %1을(를) 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>입력을 방해하지 않도록 Ctrl, Alt 또는 Super를 추가하세요.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>이미 %1에서 사용 중입니다. 다른 조합을 선택하세요.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>화살표 키로 선택하고 Return으로 전환하며 Escape로 닫습니다.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>앱 없음</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %3개 중 %2번째</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, 윈도우 %3개 중 %2번째: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>화살표 키로 선택하고, Return으로 단축키를 실행하며, Escape로 닫습니다.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>단축키 없음</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>암호 %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%2페이지 중 %1페이지</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>키 %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Kelvaro Ring</source>
        <translation>Kelvaro 링</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Kelvaro 앱 전환기</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>데스크톱에서 이미 이 조합을 %1에 사용하고 있습니다. Kelvaro에 전달되지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>창 전환</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>창 역순 전환</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>명령 실행</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>화면 잠금</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>바탕 화면 표시</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>터미널 열기</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>텍스트 콘솔로 전환</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>지금 또는 언제든지 설정 › 일반 › 개인정보 보호에서 끌 수 있습니다.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>전역 단축키를 사용하려면 X11 세션이 필요합니다. 로그인 화면에서 X11(Xorg) 세션을 선택한 다음 Kelvaro를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>전역 단축키를 사용할 수 없음</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>키보드 접근이 거부됨</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>접근성 권한 필요</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>X11 세션이 아니므로 Kelvaro가 전역 단축키를 감지하거나 창을 앞으로 가져올 수 없습니다.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>X 서버가 Kelvaro의 키보드 감지를 허용하지 않아 단축키로 링을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>접근성 버스가 꺼져 있습니다. Kelvaro가 창, 메뉴, 텍스트 필드를 읽으려면 접근성 버스가 필요합니다.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>이유</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>작음</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>중간</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>큼</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>느림</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>빠름</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>로그인 시 시작</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>로그인할 때 Kelvaro를 자동으로 시작합니다.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>익명 사용 데이터 보내기</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>실행, 열린 링, 캡처에서 찾은 탭 수를 보냅니다. 창 제목, URL, 파일 경로, 입력한 내용은 절대 보내지 않습니다.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>개인정보 보호</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>활성화 방식</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>링 열기 위치</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>여러 디스플레이에서 포인터 따라가기</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>끄면 링이 항상 주 디스플레이에서 열립니다.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>모양</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>링 크기</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>애니메이션 속도</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>포인터에 따라 가운데 아이콘 기울이기</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>선택한 앱의 아이콘에 은은한 시차 효과를 더합니다.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>데스크톱 설정에서 &apos;동작 줄이기&apos;가 켜져 있어 애니메이션이 최소화됩니다.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>자동으로 업데이트 확인</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>하루에 한 번 백그라운드에서 확인합니다.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>지금 확인</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 사용 가능</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>최신 버전</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Ctrl, Alt 또는 Super를 포함하세요.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>키보드 단축키</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>활성화하면 새 단축키를 기록합니다. 취소하려면 Escape, 지우려면 Delete를 누르세요.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>단축키 지우기</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>키를 눌러 완료 · Esc로 취소</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>보조 키를 누른 채 키를 누르세요 · Esc로 취소</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>기록 중</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>동작 없음</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>%1 위로 이동</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>%1 아래로 이동</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 편집</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 삭제</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>누르고 있는 동안 휠 열어 두기</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>선택 안 함 — 클릭하거나 Escape를 누를 때까지 휠이 열려 있습니다.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>가리키는 동안 %1 키를 누른 채로 유지하세요. 키를 놓으면 휠이 강조 표시된 항목을 선택합니다.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>키 바인딩</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>단축키 입력</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>shift</translation>
    </message>
    <message>
        <source>super</source>
        <translation>super</translation>
    </message>
    <message>
        <source>alt</source>
        <translation>alt</translation>
    </message>
    <message>
        <source>ctrl</source>
        <translation>ctrl</translation>
    </message>
    <message>
        <source>space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>return</source>
        <translation>return</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>backspace</translation>
    </message>
    <message>
        <source>esc</source>
        <translation>esc</translation>
    </message>
    <message>
        <source>Match the system language</source>
        <translation>시스템 언어 따르기</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>이 안내의 나머지 부분은 선택한 언어로 표시됩니다.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>인터페이스가 바로 업데이트됩니다.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>지금 다시 시작</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>전환기</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>런처</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>탭</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>아직 암호가 없습니다</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>아직 단축키가 없습니다</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>앱을 선택하세요</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>링 미리 보기</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>지정된 단축키 없음</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>단축키: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>이 페이지는 이 버전에서 아직 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro에서 저장된 암호의 잠금을 해제하려고 합니다</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>저장된 암호 잠금 해제</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>잠금 해제</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>일부 설정을 읽을 수 없습니다. 원래 설정 파일은 %1(으)로 보관되어 있습니다.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>설정 파일을 읽을 수 없어 Kelvaro가 기본 설정으로 시작되었습니다. 파일은 %1(으)로 보관되어 있습니다.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>설정 파일 %1을(를) 읽을 수 없어 Kelvaro가 기본 설정으로 시작되었습니다.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>설정을 %1에 저장할 수 없습니다(%2). 변경 사항은 Kelvaro를 종료할 때까지 유지됩니다.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>아이콘 선택</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>계정 편집</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>계정 추가</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>아이콘</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>업무용 메일</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>이메일 / 계정</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>저장한 후 목록에서 이 계정의 암호를 추가하세요.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>암호 하나 더 추가</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>각 암호는 이 계정 아래에 저장됩니다. 암호가 여러 개이면 링에 호가 열립니다.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>이 계정에 암호가 두 개 이상일 때 호에 표시됩니다.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>암호 편집</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>암호 추가</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>암호 추가</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>암호 %n개 추가</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>암호 숨기기</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>암호 표시</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>개인</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>레이블</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>이 암호 제거</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>힌트(선택 사항)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>끝자리 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>힌트</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>데스크톱 키 모음에 암호 “%1”이(가) 보관되지 않아 저장하지 못했습니다. 키 모음의 잠금을 해제한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>계정 및 암호</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>데스크톱 키 모음(Secret Service)에 저장되며, 세션 잠금이 해제되어 있는 동안에만 읽을 수 있습니다. 암호를 선택하면 입력할 수 있는 경우 포커스된 텍스트 필드에 채워지고, 그렇지 않으면 클립보드에 복사됩니다(45초 후 지워짐). 암호가 두 개 이상인 계정은 해당 조각 옆에 호 모양으로 암호를 표시합니다.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>암호 1개</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>암호 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>아직 계정이 없습니다</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>이 계정 편집</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>이 계정 삭제</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>계정을 추가한 다음 그 아래에 암호를 추가하세요.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>이 계정에는 아직 암호가 없습니다.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>이 이메일에 속한 암호를 추가하세요.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>위로 이동</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>아래로 이동</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>이 암호 편집</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 제거</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>“%1” 계정을 삭제하시겠습니까?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>이 계정의 암호 %n개가 데스크톱 키 모음에서 제거됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>지정된 단축키가 없습니다 — 키보드로 이 런처를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>브라우저에서 캡처한 탭을 엽니다.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>아이콘 검색</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>아이콘 이름</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>PNG 가져오기…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>내 이미지 사용(최대 1MB)</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>아이콘 선택</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>“%1”에 대한 결과 없음</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 이미지 (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>아이콘을 추가할 수 없습니다</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>키 입력</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>링크</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>직접 누른 것처럼 앞에 있는 앱으로 전송됩니다.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>클립보드에 복사되어 바로 붙여넣을 수 있습니다.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>기본 브라우저에서 열립니다.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>단축키 편집</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>새 단축키</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>%1용</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>보낼 키 입력</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>단축키 추가</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>단축키 이름을 입력하세요.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>보낼 키 입력을 기록하세요.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>복사할 텍스트를 입력하세요.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>열 링크를 입력하세요.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>올바른 링크가 아닌 것 같습니다.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>%1 추천 단축키</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>링에 넣을 항목을 선택하세요. 나중에 편집할 수 있습니다.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>단축키 1개 추가</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>단축키 추가</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>단축키 %n개 추가</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>모두 선택 해제</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>메뉴에서 단축키 %n개를 찾았습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>먼저 앱을 연 다음 다시 가져오세요.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>메뉴를 읽으려면 데스크톱의 접근성 버스가 필요하지만 꺼져 있습니다.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>이 앱의 메뉴를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>추천</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>메뉴에서</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>메뉴 읽는 중…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>앱 열기 및 메뉴 가져오기</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>메뉴에서 가져오기</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>PNG 파일을 선택하세요. 폴더, 링크, 장치는 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>1MB보다 작은 PNG를 선택하세요.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>최대 1024 × 1024픽셀인 PNG를 선택하세요.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>이 파일을 PNG로 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>아이콘을 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1을(를) 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Firefox 세션 파일 %1이(가) 너무 커서 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Firefox 세션 파일 %1을(를) 읽을 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro가 %1의 열린 탭을 읽을 수 없습니다. 사용자가 ~/.mozilla/firefox에 있는 해당 프로필 폴더를 읽을 수 있는지 확인하십시오.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>탭 %n개를 캡처했습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>%1에서 탭 %n개를 캡처했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2에서 %1개</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>탭 %n개를 캡처했습니다 — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>이전 캡처 1개가 보관되어 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>이전 캡처 %n개가 보관되어 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>탭 1개</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>탭 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>브라우저 및 탭</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Chrome, Brave, Edge, Vivaldi, Opera, Chromium, Firefox에서 열려 있는 모든 탭을 각 프로필 폴더의 세션 파일에서 읽어 여기에 보관하므로, 브라우저를 닫은 후에도 다시 열 수 있습니다. 각 캡처는 별도의 세션으로 보관되며, 링에는 선택한 캡처가 한 번에 탭 10개씩 표시됩니다.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>아직 캡처한 항목이 없습니다</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>캡처 중…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>탭 캡처</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>이 캡처 이름 바꾸기</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>이 캡처 삭제</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>아직 캡처한 탭이 없습니다.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>브라우저를 열고 열려 있는 탭을 캡처하세요.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>캡처할 열린 탭이 없습니다.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>캡처 이름 바꾸기</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>캡처</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>앱 추가</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>앱 1개</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>앱 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>아직 추가한 앱이 없습니다.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>이 런처가 링에 표시할 앱을 선택하세요.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>런처 및 앱</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>새 런처</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>런처 이름 바꾸기</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>이 런처를 엽니다.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>아직 런처가 없습니다</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>런처 추가</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>이 런처 이름 바꾸기</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>이 런처 삭제</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>런처</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>추천</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>앱 및 단축키</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>단축키 1개</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>단축키 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>단축키를 추가할 응용 프로그램을 선택하세요</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>아직 추가한 앱이 없습니다</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>이 앱 제거</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>이 앱의 추천 단축키 추가</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>%1에 키보드 단축키, 텍스트 조각 또는 링크를 추가하세요.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>응용 프로그램</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro가 실행 중입니다</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>두 가지 링</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>단축키를 누른 채 포인터로 앱을 가리킨 다음 놓습니다. 링은 포인터 주위나 화면 가운데에 열리며, 설정 › 일반에서 선택할 수 있습니다.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>앞에 있는 앱에 저장한 단축키를 엽니다. 그 앱의 키보드 단축키를 외우지 않아도 앱을 조작할 수 있습니다.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>창 선택하기</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>창 선택 호</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>강조 표시된 앱에 창이 두 개 이상 있으면 그 옆에 창 목록을 보여 주는 4분의 1 호가 나타납니다. 바깥쪽으로 계속 움직여 호 위로 가면 앱 대신 특정 창을 선택할 수 있습니다.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>호가 나타나지 않음</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>호는 창이 두 개 이상인 앱에만 나타납니다. 창이 하나뿐인 앱은 고를 것이 없으므로 호가 표시되지 않습니다.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>키 바인딩 변경</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>설정 › 전환기 또는 단축키에서 기록 칸을 클릭하고 원하는 키 조합을 누르세요. 입력하는 도중에 실행되지 않도록 Ctrl, Alt 또는 Super를 추가하세요.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>누르고 있기와 토글</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>기본적으로 링은 단축키의 보조 키를 누르고 있는 동안 열려 있고, 키를 놓으면 선택이 확정됩니다. 설정 › 일반에서 다시 누르거나 클릭할 때까지 열려 있도록 바꿀 수 있습니다.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>아무 일도 일어나지 않을 때</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>데스크톱 접근</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>전역 단축키를 사용하려면 X11 세션이 필요하고, 메뉴를 읽거나 암호를 입력하려면 접근성 버스가 필요합니다. 무언가 빠져 있으면 설정에 배너가 표시되며, 배너에는 접근성 버스를 켜는 버튼이 있습니다.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>앱 찾기</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro에는 일부러 자체 창이 없습니다. 시스템 트레이에 있으며, 창을 닫아도 종료되지 않습니다.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>처음부터 다시 시작</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Kelvaro가 실행 중일 때 다시 시작하면 설정이 열리고, 안내를 아직 마치지 않았다면 안내가 열립니다.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>“아무 일도 일어나지 않는다”는 문의는 대부분 이것이 원인입니다.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>열려 있는 모든 앱을 포인터 주위의 링으로.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>지원팀에 문의</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>지원 페이지</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>개인정보 처리방침</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>이용 약관</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>앱, 단축키, 암호는 이 컴퓨터를 벗어나지 않습니다.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>앱 실행 시 이 메시지 보기</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>설정…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>%1 키를 눌러 링을 여세요</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>아직 지정된 단축키가 없습니다. 설정을 열어 단축키를 선택하세요.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 세션</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>전역 키</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>접근성 버스</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Kelvaro 사용 시작</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>언어 선택</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro는 17개 언어를 지원합니다. 하나를 고르거나 시스템 언어를 따르게 하세요.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>열려 있는 모든 앱을 포인터 주위의 링으로. 키 한 번이면 됩니다.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>선택한 단축키 하나만 감지합니다</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>앱을 전환하고 설정한 단축키를 보냅니다</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>입력하는 내용은 절대 읽지 않습니다</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>여기서 보는 것은 아무것도 보내지 않습니다 — 모두 이 컴퓨터에 남습니다</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>X11 세션 필요</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>접근성 버스 켜기</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>준비가 끝났습니다</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Kelvaro가 단축키를 감지하도록 허용하기</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>전역 키가 작동하고 접근성 버스가 켜져 있습니다. 더 설정할 것이 없습니다.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>이를 위해 Linux에는 두 가지가 필요합니다. 전역 키를 위한 X11 세션과 메뉴를 읽고 암호를 입력하기 위한 접근성 버스입니다.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>설정된 단축키 없음</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>다른 단축키 기록</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>대신 기본값 사용</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>누르고 있으면 링이 열립니다.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>원하는 앱을 가리킵니다.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>놓으면 Kelvaro가 그 앱으로 전환합니다.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>내 단축키</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>이 단축키로 링을 엽니다. 그대로 쓰거나 직접 기록하세요.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>시스템 트레이에서 Kelvaro 아이콘을 클릭합니다.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>설정 — 앱 추가, 단축키 편집, 키 변경.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro는 시스템 트레이에 있습니다</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Kelvaro에는 일부러 자체 창이 없습니다. 창을 닫아도 계속 실행되며, 모든 기능을 시스템 트레이에서 클릭 한 번으로 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Kelvaro가 읽은 뒤 설정 파일이 손상되었습니다. 손상된 파일은 %1(으)로 보관되어 있으며, 설정은 다시 저장되었습니다.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>설정 변경을 적용하지 않았습니다. 설정 파일 %1이(가) 너무 커져 다시 읽을 수 없게 되기 때문입니다.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>탭 %Ln개를 제외했습니다. 주소가 %1자보다 깁니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>탭 %Ln개를 제외했습니다. 캡처 하나에는 탭을 최대 %1개까지 보관합니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>탭 %Ln개를 제외했습니다. 캡처가 너무 커서 보관할 수 없었습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>캡처를 보관하지 않았습니다. 설정 파일이 너무 커지기 때문입니다.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>암호가 승인되지 않았습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>로그인 암호가 승인되지 않았습니다. 저장된 암호는 제공되지 않았습니다.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>저장된 암호를 사용하려면 로그인 암호를 입력하세요.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>선택한 윈도우가 닫혔거나 더 이상 앞에 있지 않습니다. 암호는 %n초 동안 클립보드에 있습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>암호가 필드에 입력되지 않았습니다. 암호는 %n초 동안 클립보드에 있습니다. 직접 붙여 넣으세요.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1에서 암호를 받지 않았습니다. 암호는 %n초 동안 클립보드에 있습니다. 직접 필드에 붙여 넣으세요.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>포커스가 있는 텍스트 필드가 없었습니다. 암호는 %n초 동안 클립보드에 있습니다. 붙여 넣으세요.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>직접 만든 아이콘: 1MB 이하, 1024 × 1024 픽셀 이하의 PNG.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>이름이 필요합니다.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>사용법: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>이 도움말을 표시하고 종료합니다.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>버전을 표시하고 종료합니다.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro에는 X11 세션이 필요합니다: 이 Wayland 세션에는 XWayland가 없습니다(DISPLAY가 설정되어 있지 않음).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro에는 X11 세션이 필요합니다: DISPLAY가 설정되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro에는 X11 세션이 필요합니다: 디스플레이 %1을(를) 열 수 없습니다.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>이 Kelvaro 빌드는 사용 데이터를 보낼 수 없습니다.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>이미 %1에서 사용 중입니다.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>휴지통 비우기</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>기록 시작/중지</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>세션 로그 %1을(를) 읽을 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro가 %1의 열린 탭을 읽을 수 없습니다: 사용자에게 %2을(를) 읽을 권한이 없습니다.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1이(가) 실행 중이지만 세션을 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1이(가) 실행 중이지만 Kelvaro가 프로필 폴더에서 세션 파일을 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1이(가) 실행 중이지만 세션에 열린 웹 페이지가 없습니다.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>저장된 캡처를 변경하지 않았습니다. 일부를 읽을 수 없었고, 설정 파일에 그 사본을 보관할 공간이 없습니다. 그대로 두었습니다.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>캡처를 보관하지 않았습니다. 저장된 캡처가 사용할 수 있는 공간을 모두 차지하고 있습니다. 더 이상 필요 없는 캡처를 삭제한 다음 다시 캡처하세요.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>런처를 변경할 수 없습니다. 일부를 읽을 수 없었고, 설정 파일에 그 사본을 보관할 공간이 없습니다. 그대로 두었습니다.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: 알 수 없는 옵션: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>이 Kelvaro 빌드에는 업데이트 피드가 없습니다.</translation>
    </message>
</context>
</TS>
