<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>ButtonTables</name>
    <message>
        <source>L.Button</source>
        <translation>왼쪽 버튼</translation>
    </message>
    <message>
        <source>R.Button</source>
        <translation>오른쪽 버튼</translation>
    </message>
    <message>
        <source>Wheel Button</source>
        <translation>휠버튼</translation>
    </message>
    <message>
        <source>4-Button</source>
        <translation>4 버튼</translation>
    </message>
    <message>
        <source>5-Button</source>
        <translation>5 버튼</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>휠상</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>휠하</translation>
    </message>
</context>
<context>
    <name>FunctionKeyTable</name>
    <message>
        <source>Default Value</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>뒤로이동</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두선택</translation>
    </message>
    <message>
        <source>CloseAllWindows</source>
        <translation>모든 창 닫기</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로고침</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작메뉴</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행취소</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로 이동</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라 내기</translation>
    </message>
    <message>
        <source>View All</source>
        <translation>전체 보기</translation>
    </message>
    <message>
        <source>Activate Address Window</source>
        <translation>주소창 활성화</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>즐겨찾기</translation>
    </message>
    <message>
        <source>AddTo Favorites</source>
        <translation>즐겨찾기 추가</translation>
    </message>
    <message>
        <source>Activate File</source>
        <translation>파일 활성화</translation>
    </message>
    <message>
        <source>Find File</source>
        <translation>파일 찾기</translation>
    </message>
    <message>
        <source>CloseCurrentWindow</source>
        <translation>현재창 닫기</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>다음 TRACK</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>되감기</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>IncVolume</source>
        <translation>볼륨 증가</translation>
    </message>
    <message>
        <source>DecVolume</source>
        <translation>볼륨 감소</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>PreTrack</source>
        <translation>이전  TRACK</translation>
    </message>
    <message>
        <source>PlayPause</source>
        <translation>재생/정지</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-MAIL</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>INTERNET</translation>
    </message>
    <message>
        <source>MediaPlayer</source>
        <translation>MEDIA PLAYER</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
</context>
<context>
    <name>ResultNotice</name>
    <message>
        <source>No mouse found.</source>
        <translation>마우스를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The mouse did not answer.</source>
        <translation>마우스가 응답하지 않습니다.</translation>
    </message>
    <message>
        <source>Another program is talking to the mouse.</source>
        <translation>다른 프로그램이 마우스와 통신 중입니다.</translation>
    </message>
    <message>
        <source>The mouse did not take it. Try again.</source>
        <translation>마우스에 저장되지 않았습니다. 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Not Match!</source>
        <translation>비밀번호가 일치 하지 않습니다.</translation>
    </message>
    <message>
        <source>Sign in first.</source>
        <translation>먼저 로그인하세요.</translation>
    </message>
    <message>
        <source>Save the ID first.</source>
        <translation>ID를 먼저 저장하세요.</translation>
    </message>
    <message>
        <source>Not support !</source>
        <translation>이 기능이 지원되지 않습니다!</translation>
    </message>
    <message>
        <source>Input PWD.</source>
        <translation>비밀번호를 입력하세요.</translation>
    </message>
    <message>
        <source>Invalid keys!</source>
        <translation>특수 키는 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>The mouse has no free slot.</source>
        <translation>마우스에 빈 저장 공간이 없습니다.</translation>
    </message>
</context>
<context>
    <name>SettingsNotices</name>
    <message>
        <source>A settings file was ignored</source>
        <translation>설정 파일 하나를 무시했습니다</translation>
    </message>
    <message>
        <source>Damaged settings: a copy was kept</source>
        <translation>손상된 설정 파일의 사본을 보관했습니다</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>설정을 저장할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>qmb::AboutBox</name>
    <message>
        <source>About QMBPro</source>
        <translation>QMBPro 정보</translation>
    </message>
    <message>
        <source>QMBPro Version 1.0</source>
        <translation>QMBPro 버전 1.0</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>MIT 라이선스를 따르는 자유 소프트웨어입니다.</translation>
    </message>
</context>
<context>
    <name>qmb::AccessNotice</name>
    <message>
        <source>The mouse is plugged in, but QMBPro may not use it.</source>
        <translation>마우스가 연결되어 있지만 QMBPro가 사용할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>qmb::ButtonEditDialog</name>
    <message>
        <source>Button Editing</source>
        <translation>마우스 버튼 설정</translation>
    </message>
    <message>
        <source>Setting Button Function</source>
        <translation>기능 설정</translation>
    </message>
    <message>
        <source>Select Button</source>
        <translation>버튼 선택</translation>
    </message>
    <message>
        <source>Select Function</source>
        <translation>기능 선택</translation>
    </message>
    <message>
        <source>Initial value</source>
        <translation>기본 설정</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>설정 저장</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Save Initial value.</source>
        <translation>기본값으로 마우스를 설정 합니다.</translation>
    </message>
    <message>
        <source>Button Editing.</source>
        <translation>특정 마우스버튼으로 설정 합니다.</translation>
    </message>
    <message>
        <source>Save Button Function.</source>
        <translation>기능키로 설정 합니다.</translation>
    </message>
</context>
<context>
    <name>qmb::ControlBox</name>
    <message>
        <source>Auto-click</source>
        <translation>자동 클릭</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>기능설정</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Polling</source>
        <translation>Polling</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>연속</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>Web-site mode</source>
        <translation>웹사이트 모드</translation>
    </message>
</context>
<context>
    <name>qmb::ControlBoxVisibility</name>
    <message>
        <source>&amp;About QMBPro...</source>
        <translation>QMBPro 정보(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>qmb::DialogOpeners</name>
    <message>
        <source>Not support !</source>
        <translation>이 기능이 지원되지 않습니다!</translation>
    </message>
</context>
<context>
    <name>qmb::LoginDialog</name>
    <message>
        <source>Short PWD. Sign in</source>
        <translation>단축 비밀번호 로그인</translation>
    </message>
    <message>
        <source>Mouse PWD. Sign in</source>
        <translation>마우스 비밀번호 로그인</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Cancel Sign in.</source>
        <translation>로그인을 종료합니다.</translation>
    </message>
    <message>
        <source>Match Ok!</source>
        <translation>로그인 성공.</translation>
    </message>
</context>
<context>
    <name>qmb::MouseBackupMenu</name>
    <message>
        <source>QMBPro backups (*.json)</source>
        <translation>QMBPro 백업 (*.json)</translation>
    </message>
    <message>
        <source>Back up the mouse</source>
        <translation>마우스 설정 백업</translation>
    </message>
    <message>
        <source>Restore the mouse</source>
        <translation>마우스 설정 복원</translation>
    </message>
    <message>
        <source>The backup cannot be written.</source>
        <translation>백업을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Backed up.</source>
        <translation>백업했습니다.</translation>
    </message>
    <message>
        <source>This backup cannot be used.</source>
        <translation>이 백업은 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Nothing to change.</source>
        <translation>바꿀 것이 없습니다.</translation>
    </message>
    <message>
        <source>Restore these settings to the mouse?</source>
        <translation>이 설정을 마우스에 복원할까요?</translation>
    </message>
    <message>
        <source>The mouse did not keep everything.</source>
        <translation>마우스가 일부 설정을 유지하지 못했습니다.</translation>
    </message>
    <message>
        <source>Restored.</source>
        <translation>복원했습니다.</translation>
    </message>
</context>
<context>
    <name>qmb::PasswordDialog</name>
    <message>
        <source>Update Mouse Password</source>
        <translation>마우스 비밀번호 수정</translation>
    </message>
    <message>
        <source>Modify PWD.</source>
        <translation>비밀번호수정(변경)</translation>
    </message>
    <message>
        <source>Save PWD.</source>
        <translation>비밀번호 저장</translation>
    </message>
    <message>
        <source>Password Setting</source>
        <translation>마우스 비밀번호 설정</translation>
    </message>
    <message>
        <source>PWD. Input</source>
        <translation>비밀번호 입력</translation>
    </message>
    <message>
        <source>PWD. Verification</source>
        <translation>비밀번호 확인</translation>
    </message>
    <message>
        <source>Save Short PWD.</source>
        <translation>단축 비밀번호 설정</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>로그 아웃</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Exit.</source>
        <translation>설정을 종료 합니다.</translation>
    </message>
    <message>
        <source>Save Mouse PWD.</source>
        <translation>비밀번호를 설정.</translation>
    </message>
    <message>
        <source>Save Short PWD.</source>
        <comment>saving</comment>
        <translation>단축 비밀번호 저장</translation>
    </message>
    <message>
        <source>Sign Out.</source>
        <translation>로그아웃 실행.</translation>
    </message>
    <message>
        <source>Set Short PWD.</source>
        <translation>단축 비밀번호를 설정</translation>
    </message>
    <message>
        <source>Modify Short PWD.</source>
        <translation>단축 비밀번호를 변경</translation>
    </message>
    <message>
        <source>Delete Short PWD.</source>
        <translation>단축 비밀번호 삭제</translation>
    </message>
</context>
<context>
    <name>qmb::SequenceDialog</name>
    <message>
        <source>Sequence Setting</source>
        <translation>연속키 설정</translation>
    </message>
    <message>
        <source>Target Button</source>
        <translation>버튼 선택</translation>
    </message>
    <message>
        <source>Runnig count</source>
        <translation>실행 횟수</translation>
    </message>
    <message>
        <source>ClkOnTime</source>
        <translation>클릭 On 시간</translation>
    </message>
    <message>
        <source>ClkOffTime</source>
        <translation>클릭 Off 시간</translation>
    </message>
    <message>
        <source>Running Cycle</source>
        <translation>실행 주기</translation>
    </message>
    <message>
        <source>Apply Button</source>
        <translation>적용 버튼</translation>
    </message>
    <message>
        <source>Continue Value</source>
        <translation>연속설정값</translation>
    </message>
    <message>
        <source>Toggle (Start/Stop)</source>
        <translation>토글(연속/정지)</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>ON 시 연속</translation>
    </message>
    <message>
        <source>Use Running Cycle</source>
        <translation>실행 주기</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>설정을 저장 합니다.</translation>
    </message>
    <message>
        <source>Save &amp; Finish</source>
        <translation>설정저장 후 종료 합니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>tooltip</comment>
        <translation>설정을 취소 합니다.</translation>
    </message>
    <message>
        <source>R.Button</source>
        <translation>오른쪽 버튼</translation>
    </message>
    <message>
        <source>4-Button</source>
        <translation>4 버튼</translation>
    </message>
    <message>
        <source>5-Button</source>
        <translation>5 버튼</translation>
    </message>
    <message>
        <source>L.Button </source>
        <translation>왼쪽 버튼</translation>
    </message>
    <message>
        <source>Failed of config read!</source>
        <translation>설정 읽기 실패.</translation>
    </message>
</context>
<context>
    <name>qmb::SiteDialog</name>
    <message>
        <source>Internet Password Setting</source>
        <translation>사이트 비밀번호 설정</translation>
    </message>
    <message>
        <source>Title :</source>
        <translation>명칭 :</translation>
    </message>
    <message>
        <source>Before ID :</source>
        <translation>이전 ID :</translation>
    </message>
    <message>
        <source>ID :</source>
        <translation>ID :</translation>
    </message>
    <message>
        <source>Before PWD :</source>
        <translation>이전 비밀번호 :</translation>
    </message>
    <message>
        <source>PWD :</source>
        <translation>비밀번호 :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Save PWD.</source>
        <translation>비밀번호 저장</translation>
    </message>
    <message>
        <source>Delete PWD.</source>
        <translation>비밀번호 삭제</translation>
    </message>
    <message>
        <source>Save ID</source>
        <translation>ID를 저장</translation>
    </message>
    <message>
        <source>Delete ID</source>
        <translation>ID를 삭제</translation>
    </message>
    <message>
        <source>Finish work.</source>
        <translation>설정을 종료 합니다.</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>not enrolled</comment>
        <translation>설정을 저장 합니다.</translation>
    </message>
    <message>
        <source>Input PWD.</source>
        <translation>비밀번호를 입력하세요.</translation>
    </message>
    <message>
        <source>The mouse keeps this in a slot this program does not know: it cannot be changed here.</source>
        <translation>마우스가 이 프로그램이 모르는 저장 공간에 보관하고 있어 여기서는 바꿀 수 없습니다.</translation>
    </message>
    <message>
        <source>Input ID.</source>
        <translation>ID를 입력하세요.</translation>
    </message>
</context>
<context>
    <name>qmb::TrayMenu</name>
    <message>
        <source>Topmost</source>
        <translation>항상 위</translation>
    </message>
    <message>
        <source>View Control Box</source>
        <translation>설정창 보기</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>프로파일 저장하기</translation>
    </message>
    <message>
        <source>Read Profile</source>
        <comment>menu 150</comment>
        <translation>프로파일 가져하기</translation>
    </message>
    <message>
        <source>Read Profile</source>
        <translation>프로파일 가져오기</translation>
    </message>
    <message>
        <source>Enroll ( Moidfy ) Site</source>
        <translation>사이트 등록/수정</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>로그인할 때 시작</translation>
    </message>
    <message>
        <source>Back up the mouse...</source>
        <translation>마우스 설정 백업...</translation>
    </message>
    <message>
        <source>Restore the mouse...</source>
        <translation>마우스 설정 복원...</translation>
    </message>
</context>
<context>
    <name>qmb::TrayProgram</name>
    <message>
        <source>The manual cannot be opened.</source>
        <translation>설명서를 열 수 없습니다.</translation>
    </message>
</context>
</TS>
