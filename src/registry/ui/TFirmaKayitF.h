#pragma once

#include "base/ui/FormWindow.h"

namespace velkor {

class RegistrationForm;

/// The company registration window: the company's details and "SAKLA", "YENİ FİRMA",
/// "KAPAT", "VAZGEÇ".
class TFirmaKayitF : public FormWindow {
    Q_OBJECT

public:
    TFirmaKayitF(RegistrationForm& form, WindowManager& windows, Prompt& prompt, QWidget* parent = nullptr);
};

} // namespace velkor
