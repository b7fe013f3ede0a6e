<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Última copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Hacer copia de seguridad de los archivos y carpetas con el prefijo %1.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Introduzca su contraseña para continuar.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>El ID de conexión guardado ya no es válido. Vuelva a iniciar sesión con la dirección de su servidor.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>No se puede hacer copia de seguridad de la carpeta seleccionada. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Introduzca la dirección de su servidor de copias de seguridad y la cuenta con la que desea iniciar sesión.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>El sentido de la copia de seguridad de esta tarea no coincide con la configuración del servidor. Vuelva a configurar la tarea.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Introduzca el código de verificación de su aplicación de autenticación:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>La carpeta compartida %1 ha alcanzado su cuota. Libere espacio en el servidor o pida a su administrador que aumente la cuota.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Certificado SSL no fiable</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Elija las carpetas de este equipo que desea incluir en la copia de seguridad y dónde guardarlas en el servidor.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>El destino de la copia de seguridad en el servidor ha cambiado. Compruebe la configuración de la copia de seguridad.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>No se encuentra la carpeta local %1. Vuelva a conectar su unidad o seleccione de nuevo la carpeta.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>¿Necesita ayuda para empezar? Haga clic en «Ayuda» para abrir la guía del usuario.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>La base de datos local está dañada. Reinicie Nimbora Backup.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Sus archivos, a buen recaudo.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Usar un icono monocromo en el área de notificación</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>La carpeta compartida del servidor no está montada. Móntela e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Abrir Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>El servidor ha enviado una respuesta que no se ha podido interpretar. Actualice Nimbora Backup e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>La unidad que contiene la carpeta de la copia de seguridad no está montada. Conecte la unidad e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>El disco está lleno. Libere espacio e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>No hay suficiente espacio libre en el disco de la carpeta seleccionada. Libere espacio o elija otra carpeta.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. Reservados todos los derechos. Este programa está protegido por las leyes de derechos de autor y por tratados internacionales. La copia o distribución no autorizadas de este programa, o de cualquier parte del mismo, pueden dar lugar a sanciones civiles y penales.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>La copia de seguridad ha fallado. Compruebe que se puede acceder al servidor e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuración manual del proxy</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Destino de la copia de seguridad</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Esta cuenta usa la verificación en dos pasos. Introduzca su código de verificación.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>¿Desvincular este equipo del servidor? La copia de seguridad se detendrá; se conservarán sus archivos en este equipo y en el servidor.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Iniciando Nimbora Backup...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>No se ha seleccionado ninguna carpeta. Seleccione al menos una carpeta para la copia de seguridad.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Usar la configuración de proxy del sistema</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Cambiar carpeta</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Origen de la copia de seguridad</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Introduzca el nombre de usuario del proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>El certificado SSL del servidor ha cambiado desde su última conexión. Continúe solo si confía en este servidor.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Desvinculando...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Usar SSL para cifrar la conexión</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>La carpeta seleccionada es de solo lectura. Nimbora Backup puede incluirla en la copia de seguridad, pero no puede restaurar archivos en ella.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>Solo tiene acceso de lectura a esta carpeta.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Reinicie %1 para aplicar la nueva configuración de idioma.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Introduzca un número de puerto entre 1 y 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>El certificado SSL ha cambiado.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>Su dirección IP no tiene permiso para conectarse a este servidor. Póngase en contacto con su administrador.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Probando la conexión...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>No se ha podido establecer una conexión segura con el servidor: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Conectarse al servidor</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>El código de verificación no es correcto. Introduzca el código actual de su aplicación de autenticación.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>Ya existe una carpeta con este nombre en el destino. Elija otro nombre.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup guarda en su servidor copias de las carpetas que elija y las actualiza cada vez que cambian sus archivos.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>No tiene permiso para acceder a la carpeta seleccionada. Elija otra carpeta o solicite acceso a su administrador.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Se ha agotado su cuota de almacenamiento en el servidor. Libere espacio o pida a su administrador que aumente su cuota.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Haga doble clic para editar la extensión de archivo.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Tamaño máximo de archivo (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Realizando la copia de seguridad...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>El destino ha alcanzado su cuota de almacenamiento. Libere espacio en el servidor o elija otro destino.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>Demasiados intentos fallidos de inicio de sesión. Espere unos minutos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB significa sin límite.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Se ha producido un error inesperado. Reinicie Nimbora Backup.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>No se ha podido iniciar Nimbora Backup. Reinicie el equipo o vuelva a instalar Nimbora Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>La tarea de copia de seguridad del servidor no pertenece a este equipo. Vuelva a configurar la copia de seguridad.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Seleccione la carpeta del servidor en la que se guarda su copia de seguridad.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>La prueba de inicio de sesión ha fallado. Compruebe su nombre de usuario y su contraseña.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Confiar y continuar</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Elija las carpetas de este equipo que desea incluir en la copia de seguridad.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>Su administrador exige la verificación en dos pasos para esta cuenta. Actívela en su navegador web y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Introduzca la dirección y el puerto del proxy.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Su cuenta se ha desactivado. Póngase en contacto con su administrador.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>Otro equipo ya hace copias de seguridad en este destino. Elija otro destino para que no se sobrescriban los archivos de ese equipo.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>No se puede hacer copia de seguridad de ninguna de las carpetas seleccionadas. Compruebe que existen y que tiene permiso de lectura sobre ellas.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>Archivo en uso</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sin proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>El software del servidor es demasiado antiguo para esta versión de Nimbora Backup. Pida a su administrador que actualice el servidor.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Seleccionar una carpeta de este equipo</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Especifique un tamaño de archivo entre 0 y 10240000 MB (0 MB significa sin límite).</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Conservar los archivos en el servidor cuando se eliminen de este equipo</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>No se ha podido conectar. Compruebe la configuración de red e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Elegir las carpetas para la copia de seguridad</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Algunas de las carpetas seleccionadas son de solo lectura. Sus archivos pueden incluirse en la copia de seguridad, pero no restaurarse en ellas. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Advertencia de seguridad</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Descargando la actualización...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Le damos la bienvenida a Nimbora Backup. Este asistente le conecta con su servidor y le ayuda a elegir qué incluir en la copia de seguridad.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Nombre de usuario del proxy</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Conectarse a través del servicio de retransmisión LinkWarp</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Se ha producido un error (código de error: %1). Póngase en contacto con el servicio de asistencia en línea de Zorvane para obtener ayuda.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>La carpeta de destino ya no existe en el servidor. Elija otro destino.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>Solo tiene acceso de lectura a la carpeta de destino. Elija una carpeta en la que pueda escribir.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Detenido por un error</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Hay una nueva versión disponible. Haga clic para actualizar.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>Su administrador ha desactivado el inicio de sesión automático. Inicie sesión manualmente.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>La carpeta seleccionada se solapa con otra que ya está incluida en la copia de seguridad. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Procesando %1 archivo(s)...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Carpetas excluidas</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>No tiene permiso para escribir en la carpeta compartida del servidor. Solicite acceso a su administrador.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Los archivos con estas extensiones no se incluyen en la copia de seguridad:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Nombre de usuario o contraseña incorrectos.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>No se ha podido actualizar la base de datos de Nimbora. Reinicie o vuelva a instalar Nimbora Backup para reanudar la sincronización.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Buscando servidores en la red local...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Iniciar ahora</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Procesando %1...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>El servidor proxy requiere autenticación</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Configurar las carpetas de copia de seguridad</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>No se ha podido crear una sesión en el servidor. Vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup está listo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Esta versión de Nimbora Backup es demasiado antigua para el servidor. Actualice Nimbora Backup.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Tipos de archivo excluidos</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Aplicando la configuración...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Actualizando...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Buscar servidores en la red local</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Iniciar Nimbora Backup al iniciar sesión</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Revise la configuración siguiente y haga clic en «Finalizar» para iniciar la copia de seguridad.</translation>
    </message>
</context>
</TS>
