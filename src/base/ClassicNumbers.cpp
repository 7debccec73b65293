#include "base/ClassicNumbers.h"

#include <locale.h>

namespace velkor {

ClassicNumbersScope::ClassicNumbersScope() {
    const locale_t current = uselocale(static_cast<locale_t>(nullptr));
    const locale_t base = current == LC_GLOBAL_LOCALE ? duplocale(LC_GLOBAL_LOCALE) : duplocale(current);
    if (base == static_cast<locale_t>(nullptr))
        return;
    m_classic = newlocale(LC_NUMERIC_MASK, "C", base);
    if (m_classic == static_cast<locale_t>(nullptr)) {
        freelocale(base);
        return;
    }
    m_previous = uselocale(m_classic);
}

ClassicNumbersScope::~ClassicNumbersScope() {
    if (m_classic == static_cast<locale_t>(nullptr))
        return;
    uselocale(m_previous);
    freelocale(m_classic);
}

void useClassicNumbers() {
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace velkor
