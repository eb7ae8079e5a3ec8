#include "settings/default_records.h"

namespace kvx {

DefaultRecords& defaultRecords()
{
    static DefaultRecords records;
    return records;
}

}  // namespace kvx
