#pragma once

#include <libpq-fe.h>

namespace velkor::pgtype {

// Type identifiers of the built-in types (pg_type.oid); fixed across server versions.
constexpr Oid kBool = 16;
constexpr Oid kBytea = 17;
constexpr Oid kInt8 = 20;
constexpr Oid kInt2 = 21;
constexpr Oid kInt4 = 23;
constexpr Oid kOid = 26;
constexpr Oid kXid = 28;
constexpr Oid kFloat4 = 700;
constexpr Oid kFloat8 = 701;
constexpr Oid kDate = 1082;
constexpr Oid kNumeric = 1700;

} // namespace velkor::pgtype
