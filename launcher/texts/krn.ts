<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>마지막 백업: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>접두사가 %1인 파일 및 폴더 백업</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>계속하려면 비밀번호를 입력하세요.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>저장된 연결 ID가 더 이상 유효하지 않습니다. 서버 주소를 사용하여 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>선택한 폴더는 백업할 수 없습니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>백업 서버의 주소와 로그인할 계정을 입력하세요.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>이 작업의 백업 방향이 서버의 설정과 일치하지 않습니다. 작업을 다시 설정하세요.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>인증 앱에 표시된 인증 코드를 입력하세요:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>공유 폴더 %1의 할당량이 가득 찼습니다. 서버의 공간을 확보하거나 관리자에게 할당량을 늘려 달라고 요청하세요.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>신뢰할 수 없는 SSL 인증서</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>프록시</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>이 컴퓨터에서 백업할 폴더와 서버에 저장할 위치를 선택하세요.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료됨</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>서버의 백업 대상이 변경되었습니다. 백업 설정을 확인하세요.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>로컬 폴더 %1을(를) 찾을 수 없습니다. 폴더가 있는 드라이브를 다시 연결하거나 폴더를 다시 선택하세요.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>서버 주소</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>시작하는 데 도움이 필요하신가요? “도움말”을 클릭하면 사용 설명서가 열립니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>로컬 데이터베이스가 손상되었습니다. Nimbora Backup을 다시 시작하세요.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>소중한 파일, 안전하게 백업.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>흑백 트레이 아이콘 사용</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>서버의 공유 폴더가 마운트되지 않았습니다. 마운트한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Nimbora Backup 열기</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>서버에서 해석할 수 없는 응답을 보냈습니다. Nimbora Backup을 업데이트한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>백업할 폴더가 있는 드라이브가 마운트되지 않았습니다. 드라이브를 연결한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>디스크가 가득 찼습니다. 공간을 확보한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>최신 상태</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>선택한 폴더가 있는 디스크의 여유 공간이 부족합니다. 공간을 확보하거나 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>저작권 © %1 Zorvane. 모든 권리 보유. 이 프로그램은 저작권법 및 국제 조약의 보호를 받습니다. 이 프로그램 또는 그 일부를 무단으로 복제하거나 배포하면 민사 및 형사상의 처벌을 받을 수 있습니다.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>백업에 실패했습니다. 서버에 연결할 수 있는지 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>수동 프록시 구성</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>백업 대상</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>이 계정은 2단계 인증을 사용합니다. 인증 코드를 입력하세요.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>이 컴퓨터와 서버의 연결을 해제하시겠습니까? 백업은 중지되지만, 이 컴퓨터와 서버에 있는 파일은 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Nimbora Backup을 초기화하는 중…</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>선택한 폴더가 없습니다. 백업할 폴더를 하나 이상 선택하세요.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>시스템 프록시 설정 사용</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>폴더 변경</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>백업 원본</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>프록시 사용자 이름을 입력하세요.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>마지막으로 연결한 이후 서버의 SSL 인증서가 변경되었습니다. 이 서버를 신뢰하는 경우에만 계속하세요.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>연결 해제 중…</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>SSL을 사용하여 연결 암호화</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>활동</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>선택한 폴더는 읽기 전용입니다. Nimbora Backup은 이 폴더를 백업할 수 있지만 이 폴더로 파일을 복원할 수는 없습니다.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>이 폴더에 대한 읽기 권한만 있습니다.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>지금 업데이트</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>새 언어 설정을 적용하려면 %1을(를) 다시 시작하세요.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>1에서 65535 사이의 포트 번호를 입력하세요.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>업로드 중</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>SSL 인증서가 변경되었습니다.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>사용 중인 IP 주소에서는 이 서버에 연결할 수 없습니다. 관리자에게 문의하세요.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>연결을 테스트하는 중…</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>서버와 보안 연결을 설정할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>서버에 연결</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>인증 코드가 올바르지 않습니다. 인증 앱에 표시된 현재 코드를 입력하세요.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>대상에 같은 이름의 폴더가 이미 있습니다. 다른 이름을 선택하세요.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup은 선택한 폴더의 사본을 서버에 보관하고, 파일이 변경될 때마다 사본을 업데이트합니다.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>연결 중…</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>활성화됨</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>선택한 폴더에 액세스할 권한이 없습니다. 다른 폴더를 선택하거나 관리자에게 액세스 권한을 요청하세요.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>서버의 저장 공간 할당량을 모두 사용했습니다. 공간을 확보하거나 관리자에게 할당량을 늘려 달라고 요청하세요.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>파일 확장자를 편집하려면 두 번 클릭하세요.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>최대 파일 크기(MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>백업 중…</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>대상의 저장 공간 할당량이 가득 찼습니다. 서버의 공간을 확보하거나 다른 대상을 선택하세요.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>로그인 실패 횟수가 너무 많습니다. 몇 분 후에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0MB는 제한 없음을 의미합니다.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>예기치 않은 오류가 발생했습니다. Nimbora Backup을 다시 시작하세요.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Nimbora Backup을 시작할 수 없습니다. 컴퓨터를 다시 시작하거나 Nimbora Backup을 다시 설치하세요.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>서버의 백업 작업이 이 컴퓨터의 작업이 아닙니다. 백업을 다시 설정하세요.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>백업을 저장할 서버의 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>로그인 테스트에 실패했습니다. 사용자 이름과 비밀번호를 확인하세요.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>신뢰하고 계속</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>이 컴퓨터에서 백업할 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>관리자가 이 계정에 2단계 인증을 요구합니다. 웹 브라우저에서 2단계 인증을 켠 후 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>프록시 주소와 포트를 입력하세요.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>계정이 비활성화되었습니다. 관리자에게 문의하세요.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>다른 컴퓨터가 이미 이 대상에 백업하고 있습니다. 해당 컴퓨터의 파일을 덮어쓰지 않도록 다른 대상을 선택하세요.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>선택한 폴더 중 백업할 수 있는 폴더가 없습니다. 폴더가 존재하는지, 읽기 권한이 있는지 확인하세요.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>파일 사용 중</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>프록시 사용 안 함</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>서버 소프트웨어가 오래되어 이 버전의 Nimbora Backup을 지원하지 않습니다. 관리자에게 서버 업데이트를 요청하세요.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>이 컴퓨터의 폴더 선택</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>파일 크기를 0~10240000MB 범위에서 지정하세요. 0MB는 제한 없음을 의미합니다.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>이 컴퓨터에서 파일을 삭제해도 서버의 파일 유지</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>연결에 실패했습니다. 네트워크 설정을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>백업할 폴더 선택</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>선택한 폴더 중 일부는 읽기 전용입니다. 해당 폴더의 파일은 백업할 수 있지만 그 폴더로 복원할 수는 없습니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>보안 경고</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>업데이트를 다운로드하는 중…</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Nimbora Backup에 오신 것을 환영합니다. 이 마법사를 통해 서버에 연결하고 백업할 항목을 선택할 수 있습니다.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>프록시 사용자 이름</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>LinkWarp 릴레이를 통해 연결</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>오류가 발생했습니다(오류 코드: %1). Zorvane 온라인 지원팀에 문의하세요.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>서버에 대상 폴더가 더 이상 없습니다. 다른 대상을 선택하세요.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>준비 중</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>대상 폴더에 대한 읽기 권한만 있습니다. 쓰기 권한이 있는 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>오류로 인해 중지됨</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>새 버전을 사용할 수 있습니다. 클릭하여 업데이트하세요.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>읽기 전용</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>관리자가 자동 로그인을 해제했습니다. 수동으로 로그인하세요.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>선택한 폴더가 이미 백업 중인 폴더와 겹칩니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>파일 %1개 처리 중…</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>제외된 폴더</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>서버의 공유 폴더에 쓰기 권한이 없습니다. 관리자에게 액세스 권한을 요청하세요.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>다음 확장자의 파일은 백업되지 않습니다:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>사용자 이름 또는 비밀번호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Nimbora 데이터베이스를 업데이트하지 못했습니다. 동기화를 재개하려면 Nimbora Backup을 다시 시작하거나 다시 설치하세요.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>로컬 네트워크에서 서버를 검색하는 중…</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>지금 시작</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>%1 처리 중…</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>프록시 서버에 인증이 필요합니다</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>서버</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>백업 폴더 설정</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>서버에서 세션을 만들 수 없습니다. 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup을 사용할 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>이 버전의 Nimbora Backup은 너무 오래되어 서버와 호환되지 않습니다. Nimbora Backup을 업데이트하세요.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>제외된 파일 형식</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>설정을 적용하는 중…</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>업데이트하는 중…</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>로컬 네트워크에서 서버 찾기</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>로그인할 때 Nimbora Backup 시작</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>아래 설정을 확인한 후 “완료”를 클릭하여 백업을 시작하세요.</translation>
    </message>
</context>
</TS>
