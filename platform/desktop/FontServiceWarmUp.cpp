#include "platform/desktop/FontServiceWarmUp.h"

#include <system_error>

#ifdef KALVIX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontServiceWarmUp::FontServiceWarmUp()
{
#ifdef KALVIX_HAVE_FONTCONFIG
    try {
        // FcInit is safe on any thread; it keeps what it loads as the
        // process's current configuration, which the toolkit then uses.
        loader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread: the toolkit loads the configuration when first asked.
    }
#endif
}

FontServiceWarmUp::~FontServiceWarmUp()
{
    Wait();
}

void FontServiceWarmUp::Wait()
{
    if (loader_.joinable())
        loader_.join();
}
