#pragma once
// Creates the network database schema and migrates an older one, inside one transaction.

#include "platform/core/sqlite_db.h"

namespace netdb {

// The schema version this build writes.
int currentSchemaVersion();

// Brings the database to the current version; throws when the file was written by a newer build.
void migrateSchema(platform::SqliteDb& db);

}  // namespace netdb
