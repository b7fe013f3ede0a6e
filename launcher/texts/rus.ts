<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Последнее резервное копирование: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Создавать резервные копии файлов и папок с префиксом %1.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Чтобы продолжить, введите пароль.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>Сохранённый идентификатор подключения больше недействителен. Войдите снова, указав адрес сервера.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>Невозможно создать резервную копию выбранной папки. Выберите другую папку.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Введите адрес сервера резервного копирования и учётную запись для входа.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>Направление резервного копирования в этой задаче не совпадает с настройками на сервере. Настройте задачу заново.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Введите код подтверждения из приложения-аутентификатора:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>Общая папка %1 исчерпала квоту. Освободите место на сервере или попросите администратора увеличить квоту.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Недоверенный SSL-сертификат</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси-сервер</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Выберите папки на этом компьютере для резервного копирования и место их хранения на сервере.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>Место назначения резервных копий на сервере изменилось. Проверьте настройки резервного копирования.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>Локальная папка %1 не найдена. Подключите диск, на котором она находится, или выберите папку заново.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Адрес сервера</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Нужна помощь на первых порах? Нажмите «Справка», чтобы открыть руководство пользователя.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>Локальная база данных повреждена. Перезапустите Nimbora Backup.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Ваши файлы в надёжной сохранности.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Использовать монохромный значок в области уведомлений</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>Общая папка на сервере не подключена. Подключите её и повторите попытку.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Открыть Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>Сервер отправил ответ, который не удалось распознать. Обновите Nimbora Backup и повторите попытку.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>Диск, на котором находится папка для резервного копирования, не подключён. Подключите диск и повторите попытку.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Отвязать</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>Диск заполнен. Освободите место и повторите попытку.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Всё актуально</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>На диске выбранной папки недостаточно свободного места. Освободите место или выберите другую папку.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>© Zorvane, %1. Все права защищены. Эта программа защищена законами об авторском праве и международными договорами. Незаконное копирование или распространение этой программы или любой её части может повлечь за собой гражданскую и уголовную ответственность.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>Не удалось выполнить резервное копирование. Проверьте доступность сервера и повторите попытку.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Настроить прокси-сервер вручную</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Место назначения</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Для этой учётной записи включена двухэтапная проверка. Введите код подтверждения.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Отвязать этот компьютер от сервера? Резервное копирование будет остановлено, а ваши файлы на этом компьютере и на сервере сохранятся.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Возобновить</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Подготовка Nimbora Backup к работе…</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Папка не выбрана. Выберите хотя бы одну папку для резервного копирования.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Использовать системные настройки прокси-сервера</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Сменить папку</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Введите имя пользователя прокси-сервера.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>SSL-сертификат сервера изменился с момента вашего последнего подключения. Продолжайте, только если доверяете этому серверу.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Отвязка…</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Использовать SSL для шифрования подключения</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Операции</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>Выбранная папка доступна только для чтения. Nimbora Backup может создавать её резервные копии, но не сможет восстановить в неё файлы.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>У вас есть доступ к этой папке только для чтения.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Перезапустите %1, чтобы применить новые языковые настройки.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Введите номер порта от 1 до 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>SSL-сертификат изменился.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>С вашего IP-адреса запрещено подключаться к этому серверу. Обратитесь к администратору.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Проверка подключения…</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Не удалось установить защищённое подключение к серверу: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Подключение к серверу</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>Неверный код подтверждения. Введите текущий код из приложения-аутентификатора.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>В месте назначения уже есть папка с таким именем. Выберите другое имя.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup хранит копии выбранных вами папок на вашем сервере и обновляет их при каждом изменении файлов.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение…</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>У вас нет прав доступа к выбранной папке. Выберите другую папку или запросите доступ у администратора.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Ваша квота хранилища на сервере исчерпана. Освободите место или попросите администратора увеличить квоту.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Дважды щёлкните, чтобы изменить расширение файла.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Максимальный размер файла (МБ):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Резервное копирование…</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>Место назначения исчерпало квоту хранилища. Освободите место на сервере или выберите другое место назначения.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>Слишком много неудачных попыток входа. Подождите несколько минут и повторите попытку.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 МБ — без ограничений.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Произошла непредвиденная ошибка. Перезапустите Nimbora Backup.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Не удалось запустить Nimbora Backup. Перезагрузите компьютер или переустановите Nimbora Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>Задача резервного копирования на сервере не относится к этому компьютеру. Настройте резервное копирование заново.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Выберите папку на сервере, в которой будут храниться резервные копии.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>Не удалось выполнить тестовый вход. Проверьте имя пользователя и пароль.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Доверять и продолжить</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Выберите папки на этом компьютере, для которых нужно создавать резервные копии.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>Администратор требует включить для этой учётной записи двухэтапную проверку. Включите её в веб-браузере, а затем войдите снова.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Введите адрес и порт прокси-сервера.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Ваша учётная запись отключена. Обратитесь к администратору.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>В это место назначения уже сохраняет резервные копии другой компьютер. Выберите другое место назначения, чтобы не перезаписать его файлы.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>Ни для одной из выбранных папок невозможно создать резервную копию. Убедитесь, что папки существуют и доступны вам для чтения.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>Файл используется</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Не использовать прокси-сервер</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>Версия программного обеспечения сервера слишком старая для этой версии Nimbora Backup. Попросите администратора обновить сервер.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Выбор папки на этом компьютере</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Укажите размер файла от 0 до 10240000 МБ (0 МБ — без ограничений).</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Сохранять файлы на сервере, если они удалены на этом компьютере</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>Не удалось подключиться. Проверьте сетевые настройки и повторите попытку.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Выбор папок для резервного копирования</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Некоторые из выбранных папок доступны только для чтения. Их файлы можно скопировать в резервную копию, но нельзя восстановить в эти папки. Продолжить?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Предупреждение системы безопасности</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Загрузка обновления…</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Добро пожаловать в Nimbora Backup! Этот мастер подключит вас к серверу и поможет выбрать данные для резервного копирования.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Имя пользователя прокси-сервера</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Подключаться через ретранслятор LinkWarp</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Произошла ошибка (код ошибки: %1). Обратитесь за помощью в службу онлайн-поддержки Zorvane.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>Папка назначения больше не существует на сервере. Выберите другое место назначения.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Подготовка</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>У вас есть доступ к папке назначения только для чтения. Выберите папку, в которую вы можете записывать файлы.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Остановлено из-за ошибки</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Доступна новая версия. Щёлкните, чтобы обновить.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Только для чтения</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>Администратор отключил автоматический вход. Войдите вручную.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>Выбранная папка пересекается с папкой, для которой уже выполняется резервное копирование. Выберите другую папку.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Обработка файлов: %1…</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Исключённые папки</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>У вас нет прав на запись в общую папку на сервере. Запросите доступ у администратора.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Файлы с этими расширениями исключаются из резервного копирования:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Неверное имя пользователя или пароль.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Не удалось обновить базу данных Nimbora. Перезапустите или переустановите Nimbora Backup, чтобы возобновить синхронизацию.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Поиск серверов в локальной сети…</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Запустить сейчас</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Обработка %1…</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Прокси-сервер требует проверки подлинности</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Настройка папок для резервного копирования</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Не удалось создать сеанс на сервере. Войдите снова.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup готов к работе.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Эта версия Nimbora Backup слишком старая для сервера. Обновите Nimbora Backup.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Исключённые типы файлов</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Применение настроек…</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Обновление…</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Найти серверы в локальной сети</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Запускать Nimbora Backup при входе в систему</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Проверьте настройки ниже и нажмите «Готово», чтобы начать резервное копирование.</translation>
    </message>
</context>
</TS>
