#include "document/ScenarioDialogs.h"

#include "document/StoreResult.h"
#include "shell/UserDialogs.h"

namespace vellum {

void reportStoreFailure(const StoreResult& result) {
    if (result.ok())
        return;
    msgBox(result.message, {}, MsgButtons::OK, MsgResult::OK, MsgIcon::Exclamation);
}

} // namespace vellum
