#include "storage/DatasetSearch.h"

#include "base/TextHelpers.h"
#include "storage/Dataset.h"

namespace velkor {

bool FindNextContaining(Dataset& dataset, const QString& column, const QString& text) {
    const int n = dataset.recordCount();
    if (n < 0)
        return false;
    const QString needle = TurkishLower(text);
    for (int i = 0; i <= n; ++i) {
        // Stepping past the last row wraps at once; looking at the last row twice would
        // keep a match there from ever wrapping to the first.
        if (!dataset.eof())
            dataset.next();
        if (dataset.eof())
            dataset.first();
        if (TurkishLower(dataset.text(column)).contains(needle))
            return true;
    }
    return false;
}

} // namespace velkor
