#include "import/ImportSettings.h"

#include "import/ExcelImportFormControls.h"
#include "storage/IniFile.h"

namespace velkor::importsettings {

namespace {

const QString kSection = QStringLiteral("ExcelAyar");

} // namespace

const QStringList& editKeys() {
    using namespace ctl::excelimport;
    static const QStringList keys{AnaHesapE,    AlHesapKodE,   GirisTarihiE, KayitliTutarE,
                                  PasifTutarE,  AmortSureE,    AmortYontemE, BirikmisAmortismanE,
                                  HesapAdiEdit, AmortHesapEdit};
    return keys;
}

const QStringList& checkKeys() {
    using namespace ctl::excelimport;
    static const QStringList keys{AnaHesapBurdanCheck,     ilkUcHarfCheck,      BorcAlacakBuCheck,
                                  SabitKiymetAktarmaCheck, StoklarAktarmaCheck, StoklarBasitOrtalamaCheck};
    return keys;
}

void load(FormModel& form, const QString& path) {
    const IniFile ini(path);
    for (const QString& key : editKeys())
        form.setText(key, ini.value(kSection, key));
    for (const QString& key : checkKeys())
        form.setChecked(key, ini.value(kSection, key) == QLatin1String("1"));
}

void save(const FormModel& form, const QString& path) {
    IniFile ini(path);
    for (const QString& key : editKeys())
        ini.setValue(kSection, key, form.text(key));
    for (const QString& key : checkKeys())
        ini.setValue(kSection, key, form.isChecked(key) ? QStringLiteral("1") : QStringLiteral("2"));
}

} // namespace velkor::importsettings
