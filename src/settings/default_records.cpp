#include "settings/default_records.h"

#include "platform/current_part.h"

namespace kvx {

DefaultRecords& defaultRecords()
{
    return CurrentPart<DefaultRecords>::get();
}

}  // namespace kvx
