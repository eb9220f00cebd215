#include "platform/linux/AtspiLibrary.h"

#include "platform/linux/OptionalLibrary.h"

const AtspiLibrary* AtspiLibrary::load()
{
    return OptionalLibrary::once<AtspiLibrary>("libatspi.so.0",
        "menus cannot be read and text cannot be typed into other applications",
        [](OptionalLibrary& lib, AtspiLibrary& a) {
            return lib.bind(a.accessible_clear_cache, "atspi_accessible_clear_cache")
                && lib.bind(a.accessible_get_action_iface, "atspi_accessible_get_action_iface")
                && lib.bind(a.accessible_get_attributes, "atspi_accessible_get_attributes")
                && lib.bind(a.accessible_get_child_at_index, "atspi_accessible_get_child_at_index")
                && lib.bind(a.accessible_get_child_count, "atspi_accessible_get_child_count")
                && lib.bind(a.accessible_get_editable_text_iface, "atspi_accessible_get_editable_text_iface")
                && lib.bind(a.accessible_get_name, "atspi_accessible_get_name")
                && lib.bind(a.accessible_get_process_id, "atspi_accessible_get_process_id")
                && lib.bind(a.accessible_get_role, "atspi_accessible_get_role")
                && lib.bind(a.accessible_get_state_set, "atspi_accessible_get_state_set")
                && lib.bind(a.accessible_get_text_iface, "atspi_accessible_get_text_iface")
                && lib.bind(a.action_get_key_binding, "atspi_action_get_key_binding")
                && lib.bind(a.action_get_n_actions, "atspi_action_get_n_actions")
                && lib.bind(a.editable_text_insert_text, "atspi_editable_text_insert_text")
                && lib.bind(a.editable_text_set_text_contents, "atspi_editable_text_set_text_contents")
                && lib.bind(a.get_desktop, "atspi_get_desktop") && lib.bind(a.init, "atspi_init")
                && lib.bind(a.set_main_context, "atspi_set_main_context")
                && lib.bind(a.set_timeout, "atspi_set_timeout")
                && lib.bind(a.state_set_contains, "atspi_state_set_contains")
                && lib.bind(a.text_get_caret_offset, "atspi_text_get_caret_offset")
                && lib.bind(a.text_get_character_count, "atspi_text_get_character_count")
                && lib.bind(a.ref, "g_object_ref") && lib.bind(a.unref, "g_object_unref");
        });
}

const AtspiLibrary& atspi() { return *AtspiLibrary::load(); }
