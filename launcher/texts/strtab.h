// The table of user-visible texts. Every text has an identifier; its English
// wording is compiled in and doubles as the source text under which the
// installed translator finds the text of the user's language.
#pragma once

#include <QString>

class StrTable {
 public:
  // Values 0-169 in this order; the order is part of the interface (callers
  // and stored settings refer to texts by value), so append, never insert.
  enum StringID {
    main_desc_last_upload,                       // 0
    setting_filter_point_prefix,                 // 1
    msg_checkpass,                               // 2
    app_name,                                    // 3
    err_autoconn_invalidid,                      // 4
    wizard_invalid_sync_folder_warning,          // 5
    wizard_connection_desc,                      // 6
    connection_username,                         // 7
    err_sync_direction_mismatch,                 // 8
    connection_enter_otp,                        // 9
    msg_share_quotafull,                         // 10
    err_ssl_verify_fail,                         // 11
    setting_tab_connection,                      // 12
    btn_proxy,                                   // 13
    btn_done,                                    // 14
    tray_exit,                                   // 15
    backup_chooser_desc,                         // 16
    main_queue_completed,                        // 17
    err_dx_change,                               // 18
    err_local_sync_folder_miss,                  // 19
    connection_server,                           // 20
    wizard_welcome_help,                         // 21
    btn_wizard_readonly_yes,                     // 22
    err_database,                                // 23
    wizard_welcome_slogan,                       // 24
    setting_option_use_black_white_icon,         // 25
    err_share_not_mounted,                       // 26
    main_queue_column_progress,                  // 27
    tray_main_app,                               // 28
    err_proto,                                   // 29
    err_syncfolder_not_mounted,                  // 30
    btn_unlink,                                  // 31
    err_diskfull,                                // 32
    main_status_uptodate,                        // 33
    wizard_diskfull_sync_folder_warning,         // 34
    msg_about,                                   // 35
    err_backup_fail,                             // 36
    wizard_summary_table_path,                   // 37
    setting_proxy_manual,                        // 38
    wizard_summary_table_remote_title,           // 39
    err_otp_required,                            // 40
    connection_unlink_confirm,                   // 41
    btn_resume,                                  // 42
    setting_proxy_password,                      // 43
    desc_nmbr_env_preparing,                     // 44
    backup_chooser_no_folder_selected,           // 45
    setting_proxy_sys_proxy,                     // 46
    btn_wizard_readonly_no,                      // 47
    setting_tab_folder,                          // 48
    main_queue_column_file,                      // 49
    setting_proxy_err_empty_username,            // 50
    setting_tab_filter,                          // 51
    msg_ssl_change,                              // 52
    connection_unlinking,                        // 53
    connection_ssl,                              // 54
    version,                                     // 55
    main_queue_title,                            // 56
    btn_pause,                                   // 57
    wizard_source_readonly_warning,              // 58
    read_only_tooltip,                           // 59
    msg_error,                                   // 60
    main_status_pause,                           // 61
    tray_upgrade,                                // 62
    setting_option_language_restart,             // 63
    setting_proxy_err_invalid_port,              // 64
    main_queue_uploading,                        // 65
    wizard_ssl_change_sync_folder_warning,       // 66
    err_ip_not_allowed,                          // 67
    connection_password,                         // 68
    backup_chooser_destination,                  // 69
    msg_test_connect,                            // 70
    msg_ssl_error,                               // 71
    btn_no_need,                                 // 72
    setting_proxy_port,                          // 73
    wizard_connection_title,                     // 74
    err_otp_invalid,                             // 75
    btn_select,                                  // 76
    wizard_share_name_duplicate_warning,         // 77
    wizard_welcome_info,                         // 78
    main_status_connecting,                      // 79
    share_enabled,                               // 80
    tray_about,                                  // 81
    wizard_access_deny_sync_folder_warning,      // 82
    err_quotafull,                               // 83
    setting_filter_table_editor_tooltip,         // 84
    btn_continue,                                // 85
    setting_filter_max_size,                     // 86
    main_status_syncing,                         // 87
    wizard_quotafull_sync_folder_warning,        // 88
    err_max_tries,                               // 89
    setting_filter_zero_desc,                    // 90
    err_abnormal,                                // 91
    err_init_failed,                             // 92
    err_dx_not_match,                            // 93
    treedialog_server_desc,                      // 94
    msg_test_username_fail,                      // 95
    setting_option_language_title,               // 96
    setting_option_language_default,             // 97
    btn_ssl_continue,                            // 98
    wizard_summary_table_local_title,            // 99
    wizard_setsyncfolder_desc,                   // 100
    err_otp_enforced,                            // 101
    btn_next,                                    // 102
    btn_apply,                                   // 103
    setting_proxy_err_ipport_empty,              // 104
    wizard_user_disable_sync_folder_warning,     // 105
    wizard_conflict_backup_warning,              // 106
    err_no_valid_folder,                         // 107
    main_queue_locking,                          // 108
    setting_proxy_no_proxy,                      // 109
    tray_help,                                   // 110
    err_version_server,                          // 111
    treedialog_pc_title,                         // 112
    setting_filter_size_limit_tooltip,           // 113
    btn_ok,                                      // 114
    setting_filter_ignore_local_delete,          // 115
    err_network,                                 // 116
    main_queue_column_status,                    // 117
    wizard_ssl_verify_fail_sync_folder_warning,  // 118
    backup_chooser_choose_source,                // 119
    wizard_readonly_backup_desc,                 // 120
    setting_proxy_ip,                            // 121
    title_ssl_warning,                           // 122
    setting_tab_proxy,                           // 123
    main_queue_waiting,                          // 124
    msg_download_downloading,                    // 125
    wizard_welcome_desc,                         // 126
    setting_proxy_username,                      // 127
    connection_use_linkwarp,                     // 128
    wizard_summary_table_account,                // 129
    wizard_system_err_sync_folder_warning,       // 130
    wizard_share_nonexist_sync_folder_warning,   // 131
    wizard_summary_title,                        // 132
    main_queue_preparing,                        // 133
    setting_tab_option,                          // 134
    wizard_readonly_sync_folder_warning,         // 135
    main_status_error,                           // 136
    tray_click_to_update,                        // 137
    read_only,                                   // 138
    err_autoconn_ctrl,                           // 139
    wizard_conflict_sync_folder_warning,         // 140
    btn_advanced,                                // 141
    main_desc_processing_count,                  // 142
    wizard_summary_table_except_path,            // 143
    err_share_perm,                              // 144
    setting_filter_table_desc,                   // 145
    err_auth,                                    // 146
    btn_settings,                                // 147
    upgrade_failed,                              // 148
    local_dx_search,                             // 149
    btn_back,                                    // 150
    main_queue_progress,                         // 151
    btn_start_now,                               // 152
    main_desc_processing_file,                   // 153
    setting_proxy_auth,                          // 154
    wizard_summary_table_server,                 // 155
    wizard_setsyncfolder_title,                  // 156
    err_invalid,                                 // 157
    err_ssl_change,                              // 158
    err_create_session_fail,                     // 159
    desc_nmbr_env_preparation_done,              // 160
    btn_cancel,                                  // 161
    err_version_client,                          // 162
    setting_filter_table_title,                  // 163
    manage_setting_applying,                     // 164
    tray_updating,                               // 165
    wizard_find_local_dx_tooltip,                // 166
    setting_option_start_upon_login,             // 167
    wizard_summary_desc,                         // 168
    wizard_network_err_sync_folder_warning,      // 169
  };

  static const unsigned int NUM_STRING_IDS = 170;

  // English text and key of each identifier, indexed by its value. Null until
  // InitStrTable fills them; read-only afterwards.
  static const char* stab[NUM_STRING_IDS];
  static const char* ktab[NUM_STRING_IDS];

  // Fills stab and ktab. Call once on the main thread, after the translator
  // is installed and before any other thread calls LoadStr.
  static void InitStrTable();

  // The text of `id` in the current language (English when no translation is
  // installed or it lacks the text). An id outside 0-169 gives an empty string.
  static QString LoadStr(int id);

  // The identifier whose key equals strKey, ignoring case; -1 when none does.
  static int LookupStrID(QString strKey);
};

// Generated by rcc for the resource collection "texts" (the compiled-in
// translation files ":/<code>.qm"); both return 1.
int qInitResources_texts();
int qCleanupResources_texts();
