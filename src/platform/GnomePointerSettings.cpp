#include "platform/GnomePointerSettings.h"

#include <gio/gio.h>

#include <string>

namespace n63k {
namespace {

constexpr char kSchema[] = "org.gnome.desktop.peripherals.mouse";

// Writes one key after checking that the schema has it and the value lies in
// its range; GSettings would end the process on either.
void WriteKey(GSettings* settings, GSettingsSchema* schema, PointerSetting setting, const char* key,
              GVariant* value, PointerReport& report) {
  g_variant_ref_sink(value);
  gchar* printed = g_variant_print(value, FALSE);
  const std::string text = printed;
  g_free(printed);
  const std::string target = std::string(kSchema) + ' ' + key;
  if (!g_settings_schema_has_key(schema, key)) {
    report.NotApplied(setting, "this GNOME has no " + target);
  } else {
    GSettingsSchemaKey* schemaKey = g_settings_schema_get_key(schema, key);
    if (!g_variant_is_of_type(value, g_settings_schema_key_get_value_type(schemaKey)) ||
        !g_settings_schema_key_range_check(schemaKey, value)) {
      report.Failed(setting, target, text, "outside what the key takes");
    } else if (g_settings_set_value(settings, key, value)) {
      report.Set(setting, target, text);
    } else {
      report.Failed(setting, target, text, "the key is locked");
    }
    g_settings_schema_key_unref(schemaKey);
  }
  g_variant_unref(value);
}

}  // namespace

void GnomePointerSettings::Write(const DesktopPointerValues& values, PointerReport& report) {
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  GSettingsSchema* schema =
      source != nullptr ? g_settings_schema_source_lookup(source, kSchema, TRUE) : nullptr;
  if (schema == nullptr) {
    const std::string reason = std::string("no GNOME mouse settings (") + kSchema + ") here";
    if (values.profile) {
      report.NotApplied(PointerSetting::kPrecision, reason);
    }
    if (values.acceleration) {
      report.NotApplied(PointerSetting::kSpeed, reason);
    }
    return;
  }
  GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
  if (values.profile) {
    WriteKey(settings, schema, PointerSetting::kPrecision, "accel-profile",
             g_variant_new_string(*values.profile == AccelProfile::kFlat ? "flat" : "adaptive"),
             report);
  }
  if (values.acceleration) {
    WriteKey(settings, schema, PointerSetting::kSpeed, "speed",
             g_variant_new_double(*values.acceleration), report);
  }
  // Writes reach the desktop's settings store later; the program may end
  // right after a write.
  g_settings_sync();
  g_object_unref(settings);
  g_settings_schema_unref(schema);
}

}  // namespace n63k
