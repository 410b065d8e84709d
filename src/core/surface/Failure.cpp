#include "surface/Failure.h"

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
        return Failure(7, "Nedostatek paměti.");
    } catch (const std::exception& e) {
        return Failure(51, std::string("Vnitřní chyba: ") + e.what());
    } catch (...) {
        return Failure(51, "Vnitřní chyba.");
    }
}

} // namespace tavrolin
