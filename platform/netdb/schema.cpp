#include "platform/netdb/schema.h"

#include <string>
#include <vector>

#include "platform/core/error.h"

namespace netdb {
namespace {

// Each entry brings the schema from version i to i + 1. Never edit a shipped entry: add one.
const std::vector<const char*>& migrations() {
    static const std::vector<const char*> steps = {
        // 1: networks, systems, subsystems, templates, devices, their interfaces and commands.
        R"sql(
CREATE TABLE network(
  id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);
CREATE TABLE system(
  id INTEGER PRIMARY KEY,
  network_id INTEGER NOT NULL REFERENCES network(id) ON DELETE CASCADE,
  name TEXT NOT NULL, mode INTEGER NOT NULL DEFAULT 0,
  bool_option INTEGER NOT NULL DEFAULT 0, num_option INTEGER NOT NULL DEFAULT 0,
  num_setting INTEGER NOT NULL DEFAULT 0);
CREATE TABLE subsystem(
  id INTEGER PRIMARY KEY,
  system_id INTEGER NOT NULL REFERENCES system(id) ON DELETE CASCADE,
  name TEXT NOT NULL, UNIQUE(system_id, name));
CREATE TABLE device_template(
  id INTEGER PRIMARY KEY,
  system_id INTEGER NOT NULL REFERENCES system(id) ON DELETE CASCADE,
  name TEXT NOT NULL, program_id TEXT NOT NULL DEFAULT '', model TEXT NOT NULL DEFAULT '',
  UNIQUE(system_id, name));
CREATE TABLE app_device(
  id INTEGER PRIMARY KEY,
  system_id INTEGER NOT NULL REFERENCES system(id) ON DELETE CASCADE,
  template_id INTEGER NOT NULL REFERENCES device_template(id),
  name TEXT NOT NULL, node_id TEXT NOT NULL UNIQUE, program_id TEXT NOT NULL,
  state_code INTEGER NOT NULL DEFAULT 4, state_unavailable INTEGER NOT NULL DEFAULT 0,
  commissioned INTEGER NOT NULL DEFAULT 1);
CREATE TABLE device_subsystem(
  device_id INTEGER NOT NULL REFERENCES app_device(id) ON DELETE CASCADE,
  subsystem_id INTEGER NOT NULL REFERENCES subsystem(id) ON DELETE CASCADE,
  ord INTEGER NOT NULL, PRIMARY KEY(device_id, subsystem_id));
CREATE TABLE block(
  id INTEGER PRIMARY KEY, holder_kind INTEGER NOT NULL, holder_id INTEGER NOT NULL,
  position INTEGER NOT NULL, name TEXT NOT NULL, profile_key INTEGER NOT NULL,
  mode INTEGER NOT NULL DEFAULT 0, status INTEGER NOT NULL DEFAULT 0,
  UNIQUE(holder_kind, holder_id, position));
CREATE TABLE nv(
  id INTEGER PRIMARY KEY, holder_kind INTEGER NOT NULL, holder_id INTEGER NOT NULL,
  nv_index INTEGER NOT NULL, name TEXT NOT NULL, direction TEXT NOT NULL, type TEXT NOT NULL,
  value TEXT NOT NULL, block_pos INTEGER NOT NULL,
  UNIQUE(holder_kind, holder_id, nv_index));
CREATE TABLE cp(
  id INTEGER PRIMARY KEY, holder_kind INTEGER NOT NULL, holder_id INTEGER NOT NULL,
  owner_kind INTEGER NOT NULL, owner_ref INTEGER NOT NULL, scope INTEGER NOT NULL,
  type_index INTEGER NOT NULL, name TEXT NOT NULL, type TEXT NOT NULL,
  elements INTEGER NOT NULL, value TEXT NOT NULL,
  UNIQUE(holder_kind, holder_id, owner_kind, owner_ref, scope, type_index));
CREATE TABLE connection(
  id INTEGER PRIMARY KEY,
  nv_id INTEGER NOT NULL REFERENCES nv(id) ON DELETE CASCADE,
  peer_nv_id INTEGER REFERENCES nv(id) ON DELETE CASCADE);
CREATE TABLE command(
  id INTEGER PRIMARY KEY, list_kind INTEGER NOT NULL, list_id INTEGER NOT NULL,
  name TEXT NOT NULL, automation_id TEXT NOT NULL, object_type INTEGER NOT NULL,
  command_code INTEGER NOT NULL DEFAULT 0, detail TEXT NOT NULL DEFAULT '',
  version TEXT NOT NULL DEFAULT '', manufacturer_id TEXT NOT NULL DEFAULT '',
  default_action INTEGER NOT NULL DEFAULT 0);
CREATE TABLE network_interface(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);
INSERT INTO network_interface(name) VALUES('Local'), ('Internet');
CREATE INDEX block_holder ON block(holder_kind, holder_id);
CREATE INDEX nv_holder ON nv(holder_kind, holder_id);
CREATE INDEX cp_holder ON cp(holder_kind, holder_id);
CREATE INDEX command_list ON command(list_kind, list_id);
)sql",
    };
    return steps;
}

}  // namespace

int currentSchemaVersion() { return static_cast<int>(migrations().size()); }

void migrateSchema(platform::SqliteDb& db) {
    db.transaction([&] {
        db.exec("CREATE TABLE IF NOT EXISTS schema_version(version INTEGER NOT NULL)");
        auto st = db.prepare("SELECT version FROM schema_version");
        int version = st.step() ? static_cast<int>(st.integer(0)) : -1;
        if (version < 0) {
            db.exec("INSERT INTO schema_version(version) VALUES(0)");
            version = 0;
        }
        if (version > currentSchemaVersion())
            throw platform::Error(platform::errc::kState, "netdb",
                                  "The network database \"" + db.name() + "\" has schema version " +
                                      std::to_string(version) + "; this program knows up to " +
                                      std::to_string(currentSchemaVersion()));
        for (int v = version; v < currentSchemaVersion(); ++v) db.exec(migrations()[v]);
        db.prepare("UPDATE schema_version SET version = ?").bind(1, currentSchemaVersion()).run();
    });
}

}  // namespace netdb
