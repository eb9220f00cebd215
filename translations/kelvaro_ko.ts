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
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>앱 전환기</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>윈도우 닫기</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>앱 가리기</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>윈도우 최소화</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>스크린샷</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>선택 영역 스크린샷</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>스크린샷 옵션</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>화면 잠금</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>앱 윈도우</translation>
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
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>지금 또는 언제든지 설정 › 개인정보 보호에서 끌 수 있습니다.</translation>
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
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Chrome에서 가져온 탭을 엽니다.</translation>
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
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>데스크톱에서 이미 %1에 사용 중입니다. Kelvaro에 전달되지 않을 수 있습니다.</translation>
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
</context>
</TS>
