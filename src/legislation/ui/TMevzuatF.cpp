#include "legislation/ui/TMevzuatF.h"

#include "legislation/LegislationForm.h"
#include "legislation/LegislationFormControls.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include <memory>

namespace velkor {

namespace c = ctl::legislation;

TMevzuatF::TMevzuatF(LegislationForm& model, WindowManager& windows, Prompt& prompt, QWidget* parent)
    : FormWindow(model, windows, prompt, parent), m_legislation(model) {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(c::PageControl1);
    const QStringList captions = model.items(c::PageControl1);
    tabs->addTab(makePage(LegislationForm::Legislation, c::MevzuatBaslik, c::MevzuatList, c::MevzuatRich,
                          c::MevzuatEdit, c::JvNavPanelHeader5, c::JvNavPanelHeader1, {}),
                 captions.value(0));
    tabs->addTab(makePage(LegislationForm::Guide, c::KullanimBaslik, c::KullanimList, c::KullanimRich,
                          c::KullanimEdit, c::JvNavPanelHeader2, c::JvNavPanelHeader3, c::MenuItem1),
                 captions.value(1));
    tabs->addTab(makePage(LegislationForm::GeneralInformation, c::GenelBilgiBaslik, c::GenelBilgiList,
                          c::GenelBilgiRich, c::GenelBilgiEdit, c::JvNavPanelHeader4, c::JvNavPanelHeader6,
                          c::MenuItem2),
                 captions.value(2));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    resize(1100, 700);
    bindForm();
    connect(&model, &FormModel::fieldChanged, this, &TMevzuatF::refresh);
    for (const Page& page : m_pages) {
        refresh(page.list);
        refresh(page.text);
    }
}

QWidget* TMevzuatF::makePage(LegislationForm::Library library, const QString& heading, const QString& list,
                             const QString& text, const QString& name, const QString& load,
                             const QString& save, const QString& remove) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QLabel* title = makeLabel(heading);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    title->setFont(bold);
    layout->addWidget(title);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeEdit(name), 1);
    buttons->addWidget(makeButton(load));
    buttons->addWidget(makeButton(save));
    layout->addLayout(buttons);

    auto* splitter = new QSplitter(page);
    auto* listView = new QListWidget(splitter);
    listView->setObjectName(list + QStringLiteral("View"));
    listView->setWordWrap(true);
    listView->setStyleSheet(
        QStringLiteral("QListWidget::item:selected { color: white; background: rgb(107,166,231); }"
                       "QListWidget::item:selected:focus { background: rgb(11,80,196); }"));
    auto* textView = new QTextEdit(splitter);
    textView->setObjectName(text + QStringLiteral("View"));
    textView->setReadOnly(model().isReadOnly(text));
    textView->setContextMenuPolicy(Qt::CustomContextMenu);
    // The text asks for its pictures at every layout and paint; each is read out of the
    // encrypted archive once.
    auto pictures = std::make_shared<QHash<QString, QImage>>();
    textView->document()->setResourceProvider([this, library, pictures](const QUrl& source) -> QVariant {
        const QString name = source.toString();
        auto found = pictures->find(name);
        if (found == pictures->end())
            found = pictures->insert(name, QImage::fromData(m_legislation.picture(library, name)));
        return found->isNull() ? QVariant() : QVariant(*found);
    });
    splitter->addWidget(listView);
    splitter->addWidget(textView);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({260, 800});
    layout->addWidget(splitter, 1);

    connect(listView, &QListWidget::currentTextChanged, this, [this, list](const QString& current) {
        if (!m_updating && !current.isEmpty())
            act([this, list, current] { model().userSet(list, current); });
    });
    connect(textView, &QTextEdit::textChanged, this, [this, text, textView] {
        if (m_updating || textView->isReadOnly())
            return;
        m_updating = true;
        model().setText(text, textView->toHtml());
        m_updating = false;
    });
    connect(textView, &QTextEdit::customContextMenuRequested, this, [textView](const QPoint& at) {
        QMenu menu(textView);
        menu.addAction(QStringLiteral("Tümünü Seç"), QKeySequence(QStringLiteral("Ctrl+A")), textView,
                       &QTextEdit::selectAll);
        menu.addAction(QStringLiteral("&Kopyala"), QKeySequence(QStringLiteral("Ctrl+C")), textView,
                       &QTextEdit::copy);
        menu.addAction(QStringLiteral("Cu&t"), QKeySequence(QStringLiteral("Ctrl+X")), textView,
                       &QTextEdit::cut);
        menu.addAction(QStringLiteral("&Paste"), QKeySequence(QStringLiteral("Ctrl+V")), textView,
                       &QTextEdit::paste);
        menu.exec(textView->mapToGlobal(at));
    });
    if (!remove.isEmpty()) {
        listView->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(listView, &QListWidget::customContextMenuRequested, this,
                [this, listView, remove](const QPoint& at) {
                    QMenu menu(listView);
                    menu.addAction(model().label(remove), this,
                                   [this, remove] { act([this, remove] { model().click(remove); }); });
                    menu.exec(listView->mapToGlobal(at));
                });
    }
    m_pages.push_back({list, text, listView, textView});
    return page;
}

void TMevzuatF::refresh(const QString& control) {
    if (m_updating)
        return;
    for (const Page& page : m_pages) {
        if (control == page.list) {
            m_updating = true;
            const QStringList names = model().items(page.list);
            QStringList shown;
            for (int i = 0; i < page.listView->count(); ++i)
                shown << page.listView->item(i)->text();
            if (shown != names) {
                page.listView->clear();
                page.listView->addItems(names);
            }
            const auto found = page.listView->findItems(model().text(page.list), Qt::MatchExactly);
            page.listView->setCurrentItem(found.isEmpty() ? nullptr : found.first());
            m_updating = false;
        } else if (control == page.text) {
            m_updating = true;
            const QString document = model().text(page.text);
            if (Qt::mightBeRichText(document))
                page.textView->setHtml(document);
            else
                page.textView->setPlainText(document);
            m_updating = false;
        }
    }
}

} // namespace velkor
