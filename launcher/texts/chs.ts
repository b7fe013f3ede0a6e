<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>上次备份：%1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>备份名称以 %1 开头的文件和文件夹。</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>请输入密码以继续。</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>保存的连接 ID 已失效。请使用服务器地址重新登录。</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>无法备份所选文件夹。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>请输入备份服务器的地址以及用于登录的账户。</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>此任务的备份方向与服务器上的设置不一致。请重新设置该任务。</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>请输入身份验证器应用中的验证码：</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>共享文件夹 %1 已达到配额上限。请在服务器上释放空间，或请管理员提高配额。</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>不受信任的 SSL 证书</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>请选择此电脑上要备份的文件夹，以及它们在服务器上的存储位置。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>服务器上的备份目标已更改。请检查备份设置。</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>找不到本地文件夹 %1。请重新连接其所在的驱动器，或重新选择该文件夹。</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>服务器地址</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>需要入门帮助？单击“帮助”即可打开用户指南。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>本地数据库已损坏。请重新启动 Nimbora Backup。</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>您的文件，安全备份。</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>使用单色托盘图标</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>服务器上的共享文件夹未挂载。请挂载后重试。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>打开 Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>服务器返回了无法识别的响应。请更新 Nimbora Backup 后重试。</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>备份文件夹所在的驱动器未挂载。请连接该驱动器后重试。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>解除关联</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>磁盘已满。请释放一些空间后重试。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>所选文件夹所在磁盘的可用空间不足。请释放空间或选择其他文件夹。</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>版权所有 © %1 Zorvane。保留所有权利。本程序受著作权法和国际条约保护。未经授权复制或分发本程序或其任何部分，可能导致民事和刑事处罚。</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>备份失败。请确认服务器可以访问，然后重试。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手动配置代理</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>备份目标</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>此账户已启用两步验证。请输入验证码。</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>要将此电脑与服务器解除关联吗？备份将停止，但此电脑和服务器上的文件都会保留。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Nimbora Backup 正在初始化…</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>未选择任何文件夹。请至少选择一个要备份的文件夹。</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>使用系统代理设置</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>更改文件夹</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>备份源</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>请输入代理用户名。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>自您上次连接以来，服务器的 SSL 证书已更改。请仅在信任此服务器时继续。</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>正在解除关联…</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>使用 SSL 加密连接</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>活动</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>所选文件夹为只读。Nimbora Backup 可以备份该文件夹，但无法将文件还原到其中。</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>您对此文件夹只有读取权限。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>请重新启动 %1 以应用新的语言设置。</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>请输入 1 到 65535 之间的端口号。</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>正在上传</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>SSL 证书已更改。</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>您的 IP 地址不允许连接到此服务器。请联系管理员。</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>正在测试连接…</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>无法与服务器建立安全连接：%1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>连接到服务器</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>验证码不正确。请输入身份验证器应用中当前显示的验证码。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>目标位置已存在同名文件夹。请选择其他名称。</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup 会在您的服务器上保存所选文件夹的副本，并在文件发生更改时随时更新。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接…</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>您无权访问所选文件夹。请选择其他文件夹，或向管理员申请访问权限。</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>您在服务器上的存储配额已用完。请释放空间，或请管理员提高您的配额。</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>双击以编辑文件扩展名。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>最大文件大小（MB）：</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在备份…</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>备份目标已达到存储配额上限。请在服务器上释放空间，或选择其他备份目标。</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>登录失败次数过多。请等待几分钟后重试。</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB 表示不限制。</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>发生意外错误。请重新启动 Nimbora Backup。</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Nimbora Backup 无法启动。请重新启动电脑或重新安装 Nimbora Backup。</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>服务器上的备份任务不属于此电脑。请重新设置备份。</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>请选择服务器上用于存储备份的文件夹。</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>登录测试失败。请检查用户名和密码。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>信任并继续</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>请选择此电脑上要备份的文件夹。</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>管理员要求此账户启用两步验证。请在网页浏览器中启用后重新登录。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>请输入代理地址和端口。</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>您的账户已被停用。请联系管理员。</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>已有另一台电脑备份到此目标。请选择其他目标，以免覆盖那台电脑的文件。</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>所选文件夹均无法备份。请检查这些文件夹是否存在，以及您是否有读取权限。</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>文件被占用</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用代理</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>服务器软件版本过旧，不支持此版本的 Nimbora Backup。请联系管理员更新服务器。</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>选择此电脑上的文件夹</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>请指定 0 到 10240000 MB 之间的文件大小，0 MB 表示不限制。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>在此电脑上删除文件时，保留服务器上的文件</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>连接失败。请检查网络设置后重试。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>选择要备份的文件夹</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>部分所选文件夹为只读。这些文件夹中的文件可以备份，但无法还原到其中。是否继续？</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>安全警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>正在下载更新…</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>欢迎使用 Nimbora Backup。此向导将帮助您连接到服务器，并选择要备份的内容。</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>代理用户名</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>通过 LinkWarp 中继连接</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>发生错误（错误代码：%1）。请联系 Zorvane 在线支持获取帮助。</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>服务器上的目标文件夹已不存在。请选择其他备份目标。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>正在准备</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>您对目标文件夹只有读取权限。请选择您有写入权限的文件夹。</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>因出错而停止</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>有新版本可用。单击即可更新。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>只读</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>管理员已关闭自动登录。请手动登录。</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>所选文件夹与已备份的文件夹重叠。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>正在处理 %1 个文件…</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>排除的文件夹</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>您没有写入服务器上共享文件夹的权限。请向管理员申请访问权限。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>不备份具有以下扩展名的文件：</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>用户名或密码不正确。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>无法更新 Nimbora 数据库。请重新启动或重新安装 Nimbora Backup 以继续同步。</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>正在搜索局域网中的服务器…</translation>
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
        <translation>立即开始</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>正在处理 %1…</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>代理服务器需要身份验证</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>设置备份文件夹</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>无法在服务器上创建会话。请重新登录。</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup 已准备就绪。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>此版本的 Nimbora Backup 过旧，服务器不支持。请更新 Nimbora Backup。</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>排除的文件类型</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>正在应用设置…</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>正在更新…</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>查找局域网中的服务器</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>登录时启动 Nimbora Backup</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>请检查以下设置，然后单击“完成”开始备份。</translation>
    </message>
</context>
</TS>
