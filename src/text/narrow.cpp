#include "narrow.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

// Only what has a half-width form in CP932 is touched: ICU would otherwise also map
// arrows, box drawings and ￥￠￡￢ to characters the data files cannot hold.
const char16_t filteredId[] =
    u"[\\uFF01-\\uFF5E\\u3000\\u3001\\u3002\\u300C\\u300D\\u30FB\\u30FC\\u309B\\u309C"
    u"\\u30A1-\\u30F6] Fullwidth-Halfwidth";

std::unique_ptr<icu::Transliterator> create()
{
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError;
    std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createInstance(
        icu::UnicodeString(filteredId), UTRANS_FORWARD, parseError, status));
    if (U_FAILURE(status) || !t)
        qFatal("Fullwidth-Halfwidth transliterator not available: %s", u_errorName(status));
    return t;
}

} // namespace

QString narrow(const QString &text)
{
    static const std::unique_ptr<icu::Transliterator> transliterator = create();
    icu::UnicodeString s(reinterpret_cast<const UChar *>(text.utf16()),
                         static_cast<int32_t>(text.size()));
    transliterator->transliterate(s);
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(s.getBuffer()), s.length());
}
