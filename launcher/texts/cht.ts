<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>上次備份：%1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>備份名稱開頭為 %1 的檔案和資料夾。</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>請輸入密碼以繼續。</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>儲存的連線 ID 已失效。請使用伺服器位址重新登入。</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>無法備份選取的資料夾。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>請輸入備份伺服器的位址，以及要用來登入的帳號。</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>此工作的備份方向與伺服器上的設定不符。請重新設定此工作。</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>請輸入驗證器應用程式中的驗證碼：</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>共用資料夾 %1 已達配額上限。請在伺服器上釋出空間，或請管理員提高配額。</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>不受信任的 SSL 憑證</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理伺服器</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>請選擇這台電腦上要備份的資料夾，以及這些資料夾在伺服器上的存放位置。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>伺服器上的備份目的地已變更。請檢查您的備份設定。</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>找不到本機資料夾 %1。請重新連接該資料夾所在的磁碟機，或重新選擇資料夾。</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>伺服器位址</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>需要入門協助嗎？按一下「說明」即可開啟使用手冊。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>本機資料庫已損毀。請重新啟動 Nimbora Backup。</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>您的檔案，安心備份。</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>使用單色系統匣圖示</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>伺服器上的共用資料夾尚未掛載。請掛載後再試一次。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>開啟 Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>伺服器傳回無法辨識的回應。請更新 Nimbora Backup 後再試一次。</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>備份資料夾所在的磁碟機尚未掛載。請連接磁碟機後再試一次。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>解除連結</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>磁碟已滿。請釋出一些空間後再試一次。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新狀態</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>選取的資料夾所在磁碟的可用空間不足。請釋出空間或選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>著作權所有 © %1 Zorvane。保留一切權利。本程式受著作權法及國際條約保護。未經授權重製或散布本程式或其任何部分，可能須負民事及刑事責任。</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>備份失敗。請確認可以連線到伺服器，然後再試一次。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手動設定代理伺服器</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>備份目的地</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>此帳號已啟用兩步驟驗證。請輸入您的驗證碼。</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>要解除這台電腦與伺服器的連結嗎？備份將會停止，但這台電腦和伺服器上的檔案都會保留。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Nimbora Backup 正在初始化…</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>未選取任何資料夾。請至少選取一個要備份的資料夾。</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>使用系統的代理伺服器設定</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>變更資料夾</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>備份來源</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>請輸入代理伺服器的使用者名稱。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>篩選</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>自您上次連線後，伺服器的 SSL 憑證已變更。請只在您信任此伺服器時才繼續。</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>正在解除連結…</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>使用 SSL 加密連線</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>活動</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>選取的資料夾為唯讀。Nimbora Backup 可以備份此資料夾，但無法將檔案還原至其中。</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>您對此資料夾只有讀取權限。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>請重新啟動 %1 以套用新的語言設定。</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>請輸入介於 1 到 65535 之間的連接埠號碼。</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>正在上傳</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>SSL 憑證已變更。</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>您的 IP 位址不允許連線至此伺服器。請聯絡您的管理員。</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>正在測試連線…</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>無法與伺服器建立安全連線：%1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>稍後再說</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>連線至您的伺服器</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>驗證碼不正確。請輸入驗證器應用程式中目前顯示的驗證碼。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>目的地已有同名的資料夾。請選擇其他名稱。</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup 會在您的伺服器上保存所選資料夾的副本，並在檔案變更時隨時更新。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在連線…</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已啟用</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>您沒有存取選取資料夾的權限。請選擇其他資料夾，或向管理員要求存取權限。</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>您在伺服器上的儲存空間配額已用盡。請釋出空間，或請管理員提高您的配額。</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>連按兩下以編輯副檔名。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>檔案大小上限（MB）：</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在備份…</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>目的地已達儲存空間配額上限。請在伺服器上釋出空間，或選擇其他目的地。</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>登入失敗次數過多。請稍候幾分鐘再試一次。</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB 表示不限制。</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>發生未預期的錯誤。請重新啟動 Nimbora Backup。</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>無法啟動 Nimbora Backup。請重新啟動電腦，或重新安裝 Nimbora Backup。</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>伺服器上的備份工作不屬於這台電腦。請重新設定備份。</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>請選擇伺服器上用來存放備份的資料夾。</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>登入測試失敗。請檢查您的使用者名稱和密碼。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系統預設</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>信任並繼續</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>請選擇這台電腦上要備份的資料夾。</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>您的管理員要求此帳號使用兩步驟驗證。請在網頁瀏覽器中啟用此功能，然後重新登入。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>請輸入代理伺服器的位址和連接埠。</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>您的帳號已停用。請聯絡您的管理員。</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>已有其他電腦備份至此目的地。請選擇其他目的地，以免覆寫那台電腦的檔案。</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>選取的資料夾都無法備份。請確認這些資料夾存在，而且您有讀取權限。</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>檔案使用中</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用代理伺服器</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>伺服器軟體版本過舊，不支援此版本的 Nimbora Backup。請要求管理員更新伺服器。</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>選取這台電腦上的資料夾</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>請指定介於 0 到 10240000 MB 之間的檔案大小，0 MB 表示不限制。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>在這台電腦上刪除檔案時，保留伺服器上的檔案</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>連線失敗。請檢查您的網路設定，然後再試一次。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>選擇要備份的資料夾</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>部分選取的資料夾為唯讀。其中的檔案可以備份，但無法還原至這些資料夾。確定要繼續嗎？</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>安全性警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>正在下載更新…</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>歡迎使用 Nimbora Backup。此精靈會協助您連線至伺服器，並選擇要備份的內容。</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>代理伺服器使用者名稱</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>透過 LinkWarp 中繼連線</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>發生錯誤（錯誤代碼：%1）。請聯絡 Zorvane 線上支援以取得協助。</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>伺服器上已不存在目的地資料夾。請選擇其他目的地。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>您對目的地資料夾只有讀取權限。請選擇您可以寫入的資料夾。</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>因發生錯誤而停止</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>有新版本可用。按一下即可更新。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>唯讀</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>您的管理員已關閉自動登入。請手動登入。</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>選取的資料夾與已備份的資料夾重疊。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>進階</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>正在處理 %1 個檔案…</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>排除的資料夾</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>您沒有寫入伺服器上共用資料夾的權限。請向管理員要求存取權限。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>不備份具有下列副檔名的檔案：</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>使用者名稱或密碼不正確。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>無法更新 Nimbora 資料庫。請重新啟動或重新安裝 Nimbora Backup，以繼續同步處理。</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>正在搜尋區域網路中的伺服器…</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>立即開始</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>正在處理 %1…</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>代理伺服器需要驗證</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>伺服器</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>設定備份資料夾</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>無法在伺服器上建立工作階段。請重新登入。</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup 已準備就緒。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>此版本的 Nimbora Backup 過舊，伺服器不支援。請更新 Nimbora Backup。</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>排除的檔案類型</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>正在套用設定…</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>正在更新…</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>尋找區域網路中的伺服器</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>登入時啟動 Nimbora Backup</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>請檢查下列設定，然後按一下「完成」開始備份。</translation>
    </message>
</context>
</TS>
