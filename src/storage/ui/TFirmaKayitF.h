#pragma once

#include "app/ui/FormWindow.h"

namespace velkor {

class Program;

/// The company registration window: the company's details and "SAKLA", "YENİ FİRMA",
/// "KAPAT", "VAZGEÇ".
class TFirmaKayitF : public FormWindow {
    Q_OBJECT

public:
    TFirmaKayitF(Program& program, QWidget* parent = nullptr);
};

} // namespace velkor
