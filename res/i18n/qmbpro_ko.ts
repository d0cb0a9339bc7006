<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
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
</context>
<context>
    <name>qmb::MainDialog</name>
    <message>
        <source>&amp;About QMBPro...</source>
        <translation>QMBPro 정보(&amp;A)...</translation>
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
</context>
</TS>
