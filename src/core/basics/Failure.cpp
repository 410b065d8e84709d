#include "basics/Failure.h"

#include "text/Catalogue.h"

#include <exception>
#include <new>

namespace tavrolin {

Failure currentFailure() noexcept
{
    try {
        throw;
    } catch (const Failure& failure) {
        return failure;
    } catch (const std::bad_alloc&) {
        return Failure(7, std::string(tr("Nedostatek paměti.")));
    } catch (const std::exception& e) {
        return Failure(51, formatted(tr("Vnitřní chyba: {reason}"), {{"reason", e.what()}}));
    } catch (...) {
        return Failure(51, std::string(tr("Vnitřní chyba.")));
    }
}

} // namespace tavrolin
