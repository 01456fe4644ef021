#include "narrow.h"

#include <unicode/translit.h>
#include <unicode/uniset.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

// Only what has a half-width form in CP932 is touched: ICU would otherwise also map
// arrows, box drawings and ￥￠￡￢ to characters the data files cannot hold.
const char16_t narrowable[] =
    u"[\\uFF01-\\uFF5E\\u3000\\u3001\\u3002\\u300C\\u300D\\u30FB\\u30FC\\u309B\\u309C"
    u"\\u30A1-\\u30F6]";

std::unique_ptr<icu::Transliterator> create()
{
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError;
    const icu::UnicodeString id = icu::UnicodeString(narrowable) + u" Fullwidth-Halfwidth";
    std::unique_ptr<icu::Transliterator> t(
        icu::Transliterator::createInstance(id, UTRANS_FORWARD, parseError, status));
    if (U_FAILURE(status) || !t)
        qFatal("Fullwidth-Halfwidth transliterator not available: %s", u_errorName(status));
    return t;
}

std::unique_ptr<icu::UnicodeSet> createSet()
{
    UErrorCode status = U_ZERO_ERROR;
    auto set = std::make_unique<icu::UnicodeSet>(icu::UnicodeString(narrowable), status);
    if (U_FAILURE(status))
        qFatal("narrowable set not available: %s", u_errorName(status));
    set->freeze();
    return set;
}

} // namespace

QString narrow(const QString &text)
{
    // Most lines hold nothing to narrow, and the transliterator costs far more than the look.
    static const std::unique_ptr<icu::UnicodeSet> set = createSet();
    const auto *chars = reinterpret_cast<const UChar *>(text.utf16());
    const auto length = static_cast<int32_t>(text.size());
    if (set->span(chars, length, USET_SPAN_NOT_CONTAINED) == length)
        return text;
    static const std::unique_ptr<icu::Transliterator> transliterator = create();
    icu::UnicodeString s(chars, length);
    transliterator->transliterate(s);
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(s.getBuffer()), s.length());
}
