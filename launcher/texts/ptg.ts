<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Última cópia de segurança: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Fazer cópia de segurança dos ficheiros e pastas com o prefixo %1.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Introduza a sua palavra-passe para continuar.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>O ID de ligação guardado já não é válido. Inicie sessão novamente com o endereço do seu servidor.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>Não é possível fazer cópia de segurança da pasta selecionada. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Introduza o endereço do seu servidor de cópias de segurança e a conta com que pretende iniciar sessão.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome de utilizador</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>O sentido da cópia de segurança desta tarefa não corresponde às definições do servidor. Configure novamente a tarefa.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Introduza o código de verificação da sua aplicação de autenticação:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>A pasta partilhada %1 atingiu a respetiva quota. Liberte espaço no servidor ou peça ao seu administrador para aumentar a quota.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Certificado SSL não fidedigno</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Ligação</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Escolha as pastas deste computador a incluir na cópia de segurança e onde as pretende guardar no servidor.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>O destino da cópia de segurança no servidor foi alterado. Verifique as definições da cópia de segurança.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>Não foi possível encontrar a pasta local %1. Volte a ligar a respetiva unidade ou selecione novamente a pasta.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Precisa de ajuda para começar? Clique em «Ajuda» para abrir o manual do utilizador.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>A base de dados local está danificada. Reinicie o Nimbora Backup.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Os seus ficheiros, guardados em segurança.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Utilizar um ícone monocromático na área de notificação</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>A pasta partilhada no servidor não está montada. Monte-a e tente novamente.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Abrir o Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>O servidor enviou uma resposta que não foi possível interpretar. Atualize o Nimbora Backup e tente novamente.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>A unidade que contém a pasta da cópia de segurança não está montada. Ligue a unidade e tente novamente.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desassociar</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>O disco está cheio. Liberte espaço e tente novamente.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Atualizado</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>Não existe espaço livre suficiente no disco da pasta selecionada. Liberte espaço ou escolha outra pasta.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. Todos os direitos reservados. Este programa está protegido pela legislação de direitos de autor e por tratados internacionais. A cópia ou distribuição não autorizada deste programa, ou de qualquer parte do mesmo, pode dar origem a sanções civis e penais.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>A cópia de segurança falhou. Verifique se o servidor está acessível e tente novamente.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuração manual do proxy</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Destino da cópia de segurança</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Esta conta utiliza a verificação em dois passos. Introduza o seu código de verificação.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Desassociar este computador do servidor? A cópia de segurança é interrompida; os seus ficheiros neste computador e no servidor são mantidos.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>A inicializar o Nimbora Backup...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Não está selecionada nenhuma pasta. Selecione pelo menos uma pasta para a cópia de segurança.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Utilizar as definições de proxy do sistema</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Alterar pasta</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Origem da cópia de segurança</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Introduza o nome de utilizador do proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>O certificado SSL do servidor foi alterado desde a sua última ligação. Continue apenas se confiar neste servidor.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>A desassociar...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Utilizar SSL para encriptar a ligação</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Atividade</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>A pasta selecionada é só de leitura. O Nimbora Backup pode incluí-la na cópia de segurança, mas não pode restaurar ficheiros para a mesma.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>Tem apenas acesso de leitura a esta pasta.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Reinicie o %1 para aplicar as novas definições de idioma.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Introduza um número de porta entre 1 e 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>A enviar</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>O certificado SSL foi alterado.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>O seu endereço IP não tem permissão para se ligar a este servidor. Contacte o seu administrador.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>A testar a ligação...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Não foi possível estabelecer uma ligação segura ao servidor: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Ligar ao seu servidor</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>O código de verificação está incorreto. Introduza o código atual da sua aplicação de autenticação.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>Já existe uma pasta com este nome no destino. Escolha outro nome.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>O Nimbora Backup guarda no seu servidor cópias das pastas que escolher e atualiza-as sempre que os seus ficheiros são alterados.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>A ligar...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>Não tem permissão para aceder à pasta selecionada. Escolha outra pasta ou peça acesso ao seu administrador.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>A sua quota de armazenamento no servidor esgotou-se. Liberte espaço ou peça ao seu administrador para aumentar a quota.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Faça duplo clique para editar a extensão do ficheiro.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Tamanho máximo do ficheiro (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>A fazer cópia de segurança...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>O destino atingiu a respetiva quota de armazenamento. Liberte espaço no servidor ou escolha outro destino.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>Demasiadas tentativas de início de sessão falhadas. Aguarde alguns minutos e tente novamente.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB significa sem limite.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Ocorreu um erro inesperado. Reinicie o Nimbora Backup.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Não foi possível iniciar o Nimbora Backup. Reinicie o computador ou reinstale o Nimbora Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>A tarefa de cópia de segurança no servidor não pertence a este computador. Configure novamente a cópia de segurança.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Selecione a pasta no servidor onde está guardada a sua cópia de segurança.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>O teste de início de sessão falhou. Verifique o seu nome de utilizador e a palavra-passe.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinição do sistema</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Confiar e continuar</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Escolha as pastas deste computador que pretende incluir na cópia de segurança.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>O seu administrador exige a verificação em dois passos para esta conta. Ative-a no seu navegador e, em seguida, inicie sessão novamente.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Introduza o endereço e a porta do proxy.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>A sua conta foi desativada. Contacte o seu administrador.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>Outro computador já faz cópias de segurança para este destino. Escolha outro destino para que os ficheiros desse computador não sejam substituídos.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>Não é possível fazer cópia de segurança de nenhuma das pastas selecionadas. Verifique se existem e se tem permissão de leitura.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>Ficheiro em utilização</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>O software do servidor é demasiado antigo para esta versão do Nimbora Backup. Peça ao seu administrador para atualizar o servidor.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Selecionar uma pasta neste computador</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Especifique um tamanho de ficheiro entre 0 e 10240000 MB (0 MB significa sem limite).</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Manter os ficheiros no servidor quando forem eliminados deste computador</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>A ligação falhou. Verifique as definições de rede e tente novamente.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Escolher as pastas para a cópia de segurança</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Algumas das pastas selecionadas são só de leitura. Os respetivos ficheiros podem ser incluídos na cópia de segurança, mas não podem ser restaurados para essas pastas. Pretende continuar?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Aviso de segurança</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Em espera</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>A transferir a atualização...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Bem-vindo ao Nimbora Backup. Este assistente liga-o ao seu servidor e ajuda-o a escolher o que pretende incluir na cópia de segurança.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Nome de utilizador do proxy</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Ligar através do serviço de retransmissão LinkWarp</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Ocorreu um erro (código de erro: %1). Contacte o apoio técnico online da Zorvane para obter ajuda.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>A pasta de destino já não existe no servidor. Escolha outro destino.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>A preparar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>Tem apenas acesso de leitura à pasta de destino. Escolha uma pasta na qual possa escrever.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Parado devido a um erro</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Está disponível uma nova versão. Clique para atualizar.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Só de leitura</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>O início de sessão automático foi desativado pelo seu administrador. Inicie sessão manualmente.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>A pasta selecionada sobrepõe-se a uma pasta que já está incluída na cópia de segurança. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>A processar %1 ficheiro(s)...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Pastas excluídas</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>Não tem permissão para escrever na pasta partilhada do servidor. Peça acesso ao seu administrador.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Os ficheiros com estas extensões não são incluídos na cópia de segurança:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Nome de utilizador ou palavra-passe incorretos.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Falha ao atualizar a base de dados do Nimbora. Reinicie ou reinstale o Nimbora Backup para retomar a sincronização.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>A procurar servidores na rede local...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Iniciar agora</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>A processar %1...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>O servidor proxy requer autenticação</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Configurar as pastas da cópia de segurança</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Não foi possível criar uma sessão no servidor. Inicie sessão novamente.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>O Nimbora Backup está pronto.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Esta versão do Nimbora Backup é demasiado antiga para o servidor. Atualize o Nimbora Backup.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Tipos de ficheiro excluídos</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>A aplicar as definições...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>A atualizar...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Procurar servidores na rede local</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Iniciar o Nimbora Backup ao iniciar sessão</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Verifique as definições abaixo e, em seguida, clique em «Concluir» para iniciar a cópia de segurança.</translation>
    </message>
</context>
</TS>
