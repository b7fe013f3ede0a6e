#include "strtab.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLatin1String>

const unsigned int StrTable::NUM_STRING_IDS;
const char* StrTable::stab[StrTable::NUM_STRING_IDS] = {};
const char* StrTable::ktab[StrTable::NUM_STRING_IDS] = {};

namespace {
// Every translation file holds its messages under this one context.
const char kTranslationContext[] = "global";
}  // namespace

// The key is spelled from the identifier itself so that the two can never
// drift apart. tools/ts-build reads these lines to produce translation files:
// one STR_ENTRY per identifier, the text as string literals without escapes.
#define STR_ENTRY(id, text) \
  ktab[id] = #id;           \
  stab[id] = text

// Nine pairs of identifiers share a text (and so a translation): 11/118,
// 13/123, 22/114, 39/69, 43/68, 48/99, 66/158, 116/169, 130/157. Every other
// text must stay unique, or translators could not tell the uses apart.
void StrTable::InitStrTable() {
  STR_ENTRY(main_desc_last_upload, "Last backup: %1");
  STR_ENTRY(setting_filter_point_prefix, "Back up files and folders with the prefix %1.");
  STR_ENTRY(msg_checkpass, "Please enter your password to continue.");
  STR_ENTRY(app_name, "Nimbora Backup");
  STR_ENTRY(err_autoconn_invalidid,
            "The saved connection ID is no longer valid. Please sign in again with your server address.");
  STR_ENTRY(wizard_invalid_sync_folder_warning,
            "The selected folder cannot be backed up. Please choose another folder.");
  STR_ENTRY(wizard_connection_desc,
            "Enter the address of your backup server and the account to sign in with.");
  STR_ENTRY(connection_username, "Username");
  STR_ENTRY(err_sync_direction_mismatch,
            "The backup direction of this task does not match the settings on the server. Please set up the "
            "task again.");
  STR_ENTRY(connection_enter_otp, "Enter the verification code from your authenticator app:");
  STR_ENTRY(msg_share_quotafull,
            "The shared folder %1 has reached its quota. Free up space on the server or ask your "
            "administrator to raise the quota.");
  STR_ENTRY(err_ssl_verify_fail, "Untrusted SSL certificate");
  STR_ENTRY(setting_tab_connection, "Connection");
  STR_ENTRY(btn_proxy, "Proxy");
  STR_ENTRY(btn_done, "Done");
  STR_ENTRY(tray_exit, "Exit");
  STR_ENTRY(backup_chooser_desc,
            "Choose the folders on this computer to back up and where to store them on the server.");
  STR_ENTRY(main_queue_completed, "Completed");
  STR_ENTRY(err_dx_change,
            "The backup destination on the server has changed. Please check your backup settings.");
  STR_ENTRY(err_local_sync_folder_miss,
            "The local folder %1 cannot be found. Reconnect its drive or choose the folder again.");
  STR_ENTRY(connection_server, "Server address");
  STR_ENTRY(wizard_welcome_help, "Need help getting started? Click Help to open the user guide.");
  STR_ENTRY(btn_wizard_readonly_yes, "OK");
  STR_ENTRY(err_database, "The local database is damaged. Please restart Nimbora Backup.");
  STR_ENTRY(wizard_welcome_slogan, "Your files, safely backed up.");
  STR_ENTRY(setting_option_use_black_white_icon, "Use a monochrome tray icon");
  STR_ENTRY(err_share_not_mounted,
            "The shared folder on the server is not mounted. Please mount it and try again.");
  STR_ENTRY(main_queue_column_progress, "Progress");
  STR_ENTRY(tray_main_app, "Open Nimbora Backup");
  STR_ENTRY(
      err_proto,
      "The server sent a response that could not be understood. Please update Nimbora Backup and try again.");
  STR_ENTRY(err_syncfolder_not_mounted,
            "The drive that holds the backup folder is not mounted. Connect the drive and try again.");
  STR_ENTRY(btn_unlink, "Unlink");
  STR_ENTRY(err_diskfull, "The disk is full. Free up some space and try again.");
  STR_ENTRY(main_status_uptodate, "Up to date");
  STR_ENTRY(wizard_diskfull_sync_folder_warning,
            "There is not enough free space on the disk of the selected folder. Free up space or choose "
            "another folder.");
  STR_ENTRY(msg_about,
            "Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and "
            "international treaties. Unauthorized copying or distribution of this program, or of any part of "
            "it, may result in civil and criminal penalties.");
  STR_ENTRY(err_backup_fail, "Backup failed. Please check that the server can be reached and try again.");
  STR_ENTRY(wizard_summary_table_path, "Path");
  STR_ENTRY(setting_proxy_manual, "Manual proxy configuration");
  STR_ENTRY(wizard_summary_table_remote_title, "Backup destination");
  STR_ENTRY(err_otp_required, "This account uses 2-step verification. Please enter your verification code.");
  STR_ENTRY(connection_unlink_confirm,
            "Unlink this computer from the server? The backup stops; your files on this computer and on the "
            "server are kept.");
  STR_ENTRY(btn_resume, "Resume");
  STR_ENTRY(setting_proxy_password, "Password");
  STR_ENTRY(desc_nmbr_env_preparing, "Nimbora Backup is initializing...");
  STR_ENTRY(backup_chooser_no_folder_selected,
            "No folder is selected. Please select at least one folder to back up.");
  STR_ENTRY(setting_proxy_sys_proxy, "Use system proxy settings");
  STR_ENTRY(btn_wizard_readonly_no, "Change folder");
  STR_ENTRY(setting_tab_folder, "Backup source");
  STR_ENTRY(main_queue_column_file, "File");
  STR_ENTRY(setting_proxy_err_empty_username, "Please enter the proxy username.");
  STR_ENTRY(setting_tab_filter, "Filter");
  STR_ENTRY(msg_ssl_change,
            "The SSL certificate of the server has changed since you last connected. Continue only if you "
            "trust this server.");
  STR_ENTRY(connection_unlinking, "Unlinking...");
  STR_ENTRY(connection_ssl, "Use SSL to encrypt the connection");
  STR_ENTRY(version, "Version %1");
  STR_ENTRY(main_queue_title, "Activity");
  STR_ENTRY(btn_pause, "Pause");
  STR_ENTRY(
      wizard_source_readonly_warning,
      "The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.");
  STR_ENTRY(read_only_tooltip, "You have only read access to this folder.");
  STR_ENTRY(msg_error, "Error");
  STR_ENTRY(main_status_pause, "Paused");
  STR_ENTRY(tray_upgrade, "Update now");
  STR_ENTRY(setting_option_language_restart, "Please restart %1 to apply the new language settings.");
  STR_ENTRY(setting_proxy_err_invalid_port, "Please enter a port number between 1 and 65535.");
  STR_ENTRY(main_queue_uploading, "Uploading");
  STR_ENTRY(wizard_ssl_change_sync_folder_warning, "SSL certificate has been changed.");
  STR_ENTRY(err_ip_not_allowed,
            "Your IP address is not allowed to connect to this server. Please contact your administrator.");
  STR_ENTRY(connection_password, "Password");
  STR_ENTRY(backup_chooser_destination, "Backup destination");
  STR_ENTRY(msg_test_connect, "Testing the connection...");
  STR_ENTRY(msg_ssl_error, "A secure connection to the server could not be established: %1");
  STR_ENTRY(btn_no_need, "Not now");
  STR_ENTRY(setting_proxy_port, "Port");
  STR_ENTRY(wizard_connection_title, "Connect to your server");
  STR_ENTRY(err_otp_invalid,
            "The verification code is incorrect. Please enter the current code from your authenticator app.");
  STR_ENTRY(btn_select, "Select");
  STR_ENTRY(wizard_share_name_duplicate_warning,
            "A folder with this name already exists at the destination. Please choose another name.");
  STR_ENTRY(wizard_welcome_info,
            "Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever "
            "your files change.");
  STR_ENTRY(main_status_connecting, "Connecting...");
  STR_ENTRY(share_enabled, "Enabled");
  STR_ENTRY(tray_about, "About");
  STR_ENTRY(wizard_access_deny_sync_folder_warning,
            "You do not have permission to access the selected folder. Please choose another folder or ask "
            "your administrator for access.");
  STR_ENTRY(err_quotafull,
            "Your storage quota on the server is used up. Free up space or ask your administrator to raise "
            "your quota.");
  STR_ENTRY(setting_filter_table_editor_tooltip, "Double-click to edit the file extension.");
  STR_ENTRY(btn_continue, "Continue");
  STR_ENTRY(setting_filter_max_size, "Maximum file size (MB):");
  STR_ENTRY(main_status_syncing, "Backing up...");
  STR_ENTRY(wizard_quotafull_sync_folder_warning,
            "The destination has reached its storage quota. Free up space on the server or choose another "
            "destination.");
  STR_ENTRY(err_max_tries, "Too many failed sign-in attempts. Please wait a few minutes and try again.");
  STR_ENTRY(setting_filter_zero_desc, "0 MB means no limit.");
  STR_ENTRY(err_abnormal, "An unexpected error occurred. Please restart Nimbora Backup.");
  STR_ENTRY(err_init_failed,
            "Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.");
  STR_ENTRY(
      err_dx_not_match,
      "The backup task on the server does not belong to this computer. Please set up the backup again.");
  STR_ENTRY(treedialog_server_desc, "Select the folder on the server where your backup is stored.");
  STR_ENTRY(msg_test_username_fail, "The sign-in test failed. Please check your username and password.");
  STR_ENTRY(setting_option_language_title, "Language");
  STR_ENTRY(setting_option_language_default, "System default");
  STR_ENTRY(btn_ssl_continue, "Trust and continue");
  STR_ENTRY(wizard_summary_table_local_title, "Backup source");
  STR_ENTRY(wizard_setsyncfolder_desc, "Choose the folders on this computer that you want to back up.");
  STR_ENTRY(err_otp_enforced,
            "Your administrator requires 2-step verification for this account. Please turn it on in your web "
            "browser, then sign in again.");
  STR_ENTRY(btn_next, "Next");
  STR_ENTRY(btn_apply, "Apply");
  STR_ENTRY(setting_proxy_err_ipport_empty, "Please enter the proxy address and port.");
  STR_ENTRY(wizard_user_disable_sync_folder_warning,
            "Your account has been disabled. Please contact your administrator.");
  STR_ENTRY(wizard_conflict_backup_warning,
            "Another computer already backs up to this destination. Choose another destination so that its "
            "files are not overwritten.");
  STR_ENTRY(err_no_valid_folder,
            "None of the selected folders can be backed up. Please check that they exist and that you can "
            "read them.");
  STR_ENTRY(main_queue_locking, "File in use");
  STR_ENTRY(setting_proxy_no_proxy, "No proxy");
  STR_ENTRY(tray_help, "Help");
  STR_ENTRY(err_version_server,
            "The server software is too old for this version of Nimbora Backup. Please ask your "
            "administrator to update the server.");
  STR_ENTRY(treedialog_pc_title, "Select a folder on this computer");
  STR_ENTRY(setting_filter_size_limit_tooltip,
            "Specify the file size between 0-10240000 MB, with 0 MB being unlimited.");
  STR_ENTRY(btn_ok, "OK");
  STR_ENTRY(setting_filter_ignore_local_delete,
            "Keep files on the server when they are deleted on this computer");
  STR_ENTRY(err_network, "Connection failed. Please check your network settings and try again.");
  STR_ENTRY(main_queue_column_status, "Status");
  STR_ENTRY(wizard_ssl_verify_fail_sync_folder_warning, "Untrusted SSL certificate");
  STR_ENTRY(backup_chooser_choose_source, "Choose folders to back up");
  STR_ENTRY(wizard_readonly_backup_desc,
            "Some of the selected folders are read-only. Their files can be backed up but cannot be restored "
            "into them. Do you want to continue?");
  STR_ENTRY(setting_proxy_ip, "Address");
  STR_ENTRY(title_ssl_warning, "Security warning");
  STR_ENTRY(setting_tab_proxy, "Proxy");
  STR_ENTRY(main_queue_waiting, "Waiting");
  STR_ENTRY(msg_download_downloading, "Downloading the update...");
  STR_ENTRY(wizard_welcome_desc,
            "Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to "
            "back up.");
  STR_ENTRY(setting_proxy_username, "Proxy username");
  STR_ENTRY(connection_use_linkwarp, "Connect through the LinkWarp relay");
  STR_ENTRY(wizard_summary_table_account, "Account");
  STR_ENTRY(wizard_system_err_sync_folder_warning,
            "An error occurred (error code: %1). Please contact Zorvane Online Support for help.");
  STR_ENTRY(wizard_share_nonexist_sync_folder_warning,
            "The destination folder no longer exists on the server. Please choose another destination.");
  STR_ENTRY(wizard_summary_title, "Summary");
  STR_ENTRY(main_queue_preparing, "Preparing");
  STR_ENTRY(setting_tab_option, "General");
  STR_ENTRY(wizard_readonly_sync_folder_warning,
            "You have only read access to the destination folder. Please choose a folder you can write to.");
  STR_ENTRY(main_status_error, "Stopped because of an error");
  STR_ENTRY(tray_click_to_update, "A new version is available. Click to update.");
  STR_ENTRY(read_only, "Read-only");
  STR_ENTRY(err_autoconn_ctrl,
            "Automatic sign-in has been turned off by your administrator. Please sign in manually.");
  STR_ENTRY(
      wizard_conflict_sync_folder_warning,
      "The selected folder overlaps with a folder that is already backed up. Please choose another folder.");
  STR_ENTRY(btn_advanced, "Advanced");
  STR_ENTRY(main_desc_processing_count, "Processing %1 file(s)...");
  STR_ENTRY(wizard_summary_table_except_path, "Excluded folders");
  STR_ENTRY(err_share_perm,
            "You do not have permission to write to the shared folder on the server. Please ask your "
            "administrator for access.");
  STR_ENTRY(setting_filter_table_desc, "Files with these extensions are not backed up:");
  STR_ENTRY(err_auth, "Incorrect username or password.");
  STR_ENTRY(btn_settings, "Settings");
  STR_ENTRY(
      upgrade_failed,
      "Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.");
  STR_ENTRY(local_dx_search, "Searching for servers on the local network...");
  STR_ENTRY(btn_back, "Back");
  STR_ENTRY(main_queue_progress, "%1 / %2");
  STR_ENTRY(btn_start_now, "Start now");
  STR_ENTRY(main_desc_processing_file, "Processing %1...");
  STR_ENTRY(setting_proxy_auth, "The proxy server requires authentication");
  STR_ENTRY(wizard_summary_table_server, "Server");
  STR_ENTRY(wizard_setsyncfolder_title, "Set up backup folders");
  STR_ENTRY(err_invalid,
            "An error occurred (error code: %1). Please contact Zorvane Online Support for help.");
  STR_ENTRY(err_ssl_change, "SSL certificate has been changed.");
  STR_ENTRY(err_create_session_fail, "A session could not be created on the server. Please sign in again.");
  STR_ENTRY(desc_nmbr_env_preparation_done, "Nimbora Backup is ready.");
  STR_ENTRY(btn_cancel, "Cancel");
  STR_ENTRY(err_version_client,
            "This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.");
  STR_ENTRY(setting_filter_table_title, "Excluded file types");
  STR_ENTRY(manage_setting_applying, "Applying settings...");
  STR_ENTRY(tray_updating, "Updating...");
  STR_ENTRY(wizard_find_local_dx_tooltip, "Find servers on the local network");
  STR_ENTRY(setting_option_start_upon_login, "Start Nimbora Backup when I sign in");
  STR_ENTRY(wizard_summary_desc, "Check the settings below, then click Done to start backing up.");
  STR_ENTRY(wizard_network_err_sync_folder_warning,
            "Connection failed. Please check your network settings and try again.");
}

#undef STR_ENTRY

QString StrTable::LoadStr(int id) {
  if (id < 0 || id >= static_cast<int>(NUM_STRING_IDS) || stab[id] == nullptr) return QString();
  QString text = QCoreApplication::translate(kTranslationContext, stab[id], nullptr, -1);
  // Translators write line breaks and tabs as escapes; turn them into the real characters.
  text.replace(QLatin1String("\\n"), QLatin1String("\n"));
  text.replace(QLatin1String("\\t"), QLatin1String("\t"));
  return text;
}

int StrTable::LookupStrID(QString strKey) {
  const QByteArray key = strKey.toLocal8Bit();
  for (unsigned int i = 0; i < NUM_STRING_IDS; ++i) {
    if (ktab[i] != nullptr && qstricmp(key.constData(), ktab[i]) == 0) return static_cast<int>(i);
  }
  return -1;
}
