<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>前回のバックアップ：%1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>名前が %1 で始まるファイルとフォルダーをバックアップする</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>続行するにはパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>保存されている接続 ID は無効になりました。サーバーのアドレスを指定して、もう一度サインインしてください。</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>選択したフォルダーはバックアップできません。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>バックアップサーバーのアドレスと、サインインに使用するアカウントを入力してください。</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>このタスクのバックアップ方向がサーバー上の設定と一致しません。タスクを設定し直してください。</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>認証アプリに表示されている確認コードを入力してください：</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>共有フォルダー %1 がクォータの上限に達しました。サーバーの空き容量を確保するか、クォータの引き上げを管理者に依頼してください。</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>信頼されていない SSL 証明書</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>このコンピューター上のバックアップするフォルダーと、サーバー上の保存先を選択してください。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>サーバー上のバックアップ先が変更されました。バックアップの設定を確認してください。</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>ローカルフォルダー %1 が見つかりません。フォルダーのあるドライブを接続し直すか、フォルダーを選択し直してください。</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>サーバーアドレス</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>使い方がわからない場合は、「ヘルプ」をクリックしてユーザーガイドをご覧ください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>ローカルデータベースが破損しています。Nimbora Backup を再起動してください。</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>大切なファイルを、安全にバックアップ。</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>モノクロのトレイアイコンを使用する</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>サーバー上の共有フォルダーがマウントされていません。マウントしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Nimbora Backup を開く</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>サーバーから解釈できない応答が返されました。Nimbora Backup を更新してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>バックアップ対象のフォルダーがあるドライブがマウントされていません。ドライブを接続してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>リンクを解除</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>ディスクがいっぱいです。空き領域を確保してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>最新の状態</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>選択したフォルダーがあるディスクの空き領域が不足しています。空き領域を確保するか、別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>© %1 Zorvane。無断複製・転載を禁じます。このプログラムは、著作権法および国際条約によって保護されています。このプログラムの全部または一部を無断で複製または配布すると、民事上および刑事上の責任を問われる場合があります。</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>バックアップに失敗しました。サーバーに接続できることを確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>プロキシを手動で設定する</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>バックアップ先</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>このアカウントでは 2 段階認証が使用されています。確認コードを入力してください。</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>このコンピューターとサーバーのリンクを解除しますか？バックアップは停止しますが、このコンピューターとサーバー上のファイルはそのまま残ります。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Nimbora Backup を初期化しています…</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>フォルダーが選択されていません。バックアップするフォルダーを 1 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>システムのプロキシ設定を使用する</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>フォルダーを変更</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>バックアップ元</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>プロキシのユーザー名を入力してください。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>前回の接続以降、サーバーの SSL 証明書が変更されています。このサーバーを信頼できる場合にのみ続行してください。</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>リンクを解除しています…</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>SSL を使用して接続を暗号化する</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>アクティビティ</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>選択したフォルダーは読み取り専用です。Nimbora Backup でこのフォルダーをバックアップすることはできますが、このフォルダーにファイルを復元することはできません。</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>このフォルダーに対する読み取り権限しかありません。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>新しい言語設定を適用するには、%1 を再起動してください。</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>1 から 65535 までのポート番号を入力してください。</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>SSL 証明書が変更されました。</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>お使いの IP アドレスからは、このサーバーに接続できません。管理者にお問い合わせください。</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>接続をテストしています…</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>サーバーとの安全な接続を確立できませんでした：%1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>サーバーに接続</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>確認コードが正しくありません。認証アプリに表示されている現在のコードを入力してください。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>保存先に同じ名前のフォルダーがすでに存在します。別の名前を選択してください。</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup は、選択したフォルダーのコピーをサーバー上に保管し、ファイルが変更されるたびにコピーを更新します。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>接続しています…</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>選択したフォルダーへのアクセス権限がありません。別のフォルダーを選択するか、管理者にアクセス権限を依頼してください。</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>サーバー上のストレージのクォータを使い切りました。空き容量を確保するか、クォータの引き上げを管理者に依頼してください。</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>ダブルクリックしてファイル拡張子を編集します。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>最大ファイルサイズ（MB）：</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>バックアップしています…</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>バックアップ先がストレージのクォータの上限に達しました。サーバーの空き容量を確保するか、別のバックアップ先を選択してください。</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>サインインの失敗回数が上限を超えました。数分待ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB を指定すると無制限になります。</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>予期しないエラーが発生しました。Nimbora Backup を再起動してください。</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Nimbora Backup を起動できませんでした。コンピューターを再起動するか、Nimbora Backup を再インストールしてください。</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>サーバー上のバックアップタスクは、このコンピューターのものではありません。バックアップを設定し直してください。</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>バックアップを保存するサーバー上のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>サインインのテストに失敗しました。ユーザー名とパスワードを確認してください。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>システムの既定値</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>信頼して続行</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>このコンピューター上のバックアップするフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>このアカウントでは、管理者によって 2 段階認証が必須に設定されています。ブラウザーで 2 段階認証を有効にしてから、もう一度サインインしてください。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>プロキシのアドレスとポートを入力してください。</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>お使いのアカウントは無効になっています。管理者にお問い合わせください。</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>別のコンピューターがすでにこのバックアップ先を使用しています。そのコンピューターのファイルが上書きされないよう、別のバックアップ先を選択してください。</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>選択したフォルダーはいずれもバックアップできません。フォルダーが存在し、読み取り可能であることを確認してください。</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>ファイル使用中</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>プロキシを使用しない</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>サーバーのソフトウェアが古いため、このバージョンの Nimbora Backup には対応していません。サーバーの更新を管理者に依頼してください。</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>このコンピューター上のフォルダーを選択</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>ファイルサイズを 0～10240000 MB の範囲で指定してください。0 MB は無制限を表します。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>このコンピューターでファイルを削除しても、サーバー上のファイルを保持する</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>接続に失敗しました。ネットワーク設定を確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>バックアップするフォルダーの選択</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>選択したフォルダーの一部は読み取り専用です。これらのフォルダーのファイルはバックアップできますが、フォルダーに復元することはできません。続行しますか？</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>セキュリティの警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>更新プログラムをダウンロードしています…</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Nimbora Backup へようこそ。このウィザードでは、サーバーに接続して、バックアップする内容を選択できます。</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>プロキシのユーザー名</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>LinkWarp リレー経由で接続する</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>エラーが発生しました（エラーコード：%1）。Zorvane オンラインサポートにお問い合わせください。</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>バックアップ先のフォルダーがサーバー上に存在しません。別のバックアップ先を選択してください。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>バックアップ先のフォルダーに対する読み取り権限しかありません。書き込み可能なフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>エラーのため停止しました</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>新しいバージョンを利用できます。クリックして更新してください。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>管理者によって自動サインインが無効にされています。手動でサインインしてください。</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>選択したフォルダーは、すでにバックアップしているフォルダーと重複しています。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 個のファイルを処理しています…</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>除外するフォルダー</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>サーバー上の共有フォルダーへの書き込み権限がありません。管理者にアクセス権限を依頼してください。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>次の拡張子のファイルはバックアップされません：</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>ユーザー名またはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Nimbora データベースを更新できませんでした。同期を再開するには、Nimbora Backup を再起動するか、再インストールしてください。</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>ローカルネットワーク上のサーバーを検索しています…</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>今すぐ開始</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>%1 を処理しています…</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>プロキシサーバーの認証が必要です</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>バックアップフォルダーの設定</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>サーバー上でセッションを作成できませんでした。もう一度サインインしてください。</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup の準備ができました。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>この Nimbora Backup のバージョンは古いため、サーバーに対応していません。Nimbora Backup を更新してください。</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>除外するファイルの種類</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>設定を適用しています…</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>更新しています…</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>ローカルネットワーク上のサーバーを検索</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>サインイン時に Nimbora Backup を起動する</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>以下の設定を確認し、「完了」をクリックしてバックアップを開始してください。</translation>
    </message>
</context>
</TS>
