#pragma once
// The accessibility library's functions. libatspi (with GObject and libXi) is
// loaded by the accessibility thread the first time a menu is read or text
// is typed, not with the program (see OptionalLibrary.h).

#include <atspi/atspi.h>

struct AtspiLibrary {
    decltype(&atspi_accessible_clear_cache) accessible_clear_cache = nullptr;
    decltype(&atspi_accessible_get_action_iface) accessible_get_action_iface = nullptr;
    decltype(&atspi_accessible_get_attributes) accessible_get_attributes = nullptr;
    decltype(&atspi_accessible_get_child_at_index) accessible_get_child_at_index = nullptr;
    decltype(&atspi_accessible_get_child_count) accessible_get_child_count = nullptr;
    decltype(&atspi_accessible_get_editable_text_iface) accessible_get_editable_text_iface = nullptr;
    decltype(&atspi_accessible_get_name) accessible_get_name = nullptr;
    decltype(&atspi_accessible_get_process_id) accessible_get_process_id = nullptr;
    decltype(&atspi_accessible_get_role) accessible_get_role = nullptr;
    decltype(&atspi_accessible_get_state_set) accessible_get_state_set = nullptr;
    decltype(&atspi_accessible_get_text_iface) accessible_get_text_iface = nullptr;
    decltype(&atspi_action_get_key_binding) action_get_key_binding = nullptr;
    decltype(&atspi_action_get_n_actions) action_get_n_actions = nullptr;
    decltype(&atspi_editable_text_insert_text) editable_text_insert_text = nullptr;
    decltype(&atspi_editable_text_set_text_contents) editable_text_set_text_contents = nullptr;
    decltype(&atspi_get_desktop) get_desktop = nullptr;
    decltype(&atspi_init) init = nullptr;
    decltype(&atspi_set_main_context) set_main_context = nullptr;
    decltype(&atspi_set_timeout) set_timeout = nullptr;
    decltype(&atspi_state_set_contains) state_set_contains = nullptr;
    decltype(&atspi_text_get_caret_offset) text_get_caret_offset = nullptr;
    decltype(&atspi_text_get_character_count) text_get_character_count = nullptr;
    decltype(&g_object_ref) ref = nullptr;
    decltype(&g_object_unref) unref = nullptr;

    // Loads the library on the first call; null (logged once) when it
    // cannot be loaded.
    static const AtspiLibrary* load();
};

// The loaded table, for code that runs on the accessibility thread once it
// is ready (AtspiThread::ready()): it is loaded by then.
const AtspiLibrary& atspi();
