#include "ui/AnalogDialog.h"

#include "ui/GraphWidget.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <type_traits>
#include <utility>

namespace torval {

using T = AnalogDialogLogic::Text;
using F = AnalogDialogLogic::Flag;

namespace {

constexpr int px(int twips)
{
    return (twips + kDialogTwipsPerPixel / 2) / kDialogTwipsPerPixel;
}

// Places `w` at a twips position; controls never get less height than their
// style needs, so a larger system font does not clip them.
template <typename W>
W* place(W* w, int x, int y, int width, int height)
{
    int wide = px(width);
    if constexpr (std::is_same_v<W, QCheckBox>) {
        // A caption may need more room than it had in the original font; it
        // may take it up to the edge of its group.
        if (const QWidget* parent = w->parentWidget())
            wide = std::max(wide, std::min(w->sizeHint().width(), parent->width() - px(x) - 4));
    }
    w->setGeometry(px(x), px(y), wide, std::max(px(height), w->sizeHint().height() - 2));
    return w;
}

QLabel* label(QWidget* parent, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->move(px(x), px(y));
    l->adjustSize();
    return l;
}

// Fills `l` with its caption, a space and dots up to `width` pixels.
void dottedLeader(QLabel* l, int width)
{
    const QString caption = l->text() + QLatin1Char(' ');
    QString dots;
    for (;;) {
        l->setText(caption + dots + QLatin1Char('.'));
        if (l->sizeHint().width() > width)
            break;
        dots += QLatin1Char('.');
    }
    l->setText(caption + dots);
    l->setFixedWidth(std::max(width, l->sizeHint().width()));
}

// The state-name fields start where the longest caption, "MEDIUM (střední)",
// still leaves room for a dotted row in the desktop font, and are wide enough
// for names of the length the station's messages use.
constexpr int kStateNameX = 1860;

bool isLevelField(T t)
{
    return t == T::CL1Level || t == T::HCL1Level || t == T::CL2Level || t == T::HCL2Level;
}

} // namespace

AnalogDialog::AnalogDialog(AnalogDialogLogic& logic, QWidget* parent) : EditDialogFrame(parent), m_logic(logic)
{
    setWindowTitle(logic.caption());
    setFixedSize(px(8670), px(6210));

    auto* general = new QGroupBox(this);
    general->setGeometry(px(120), 0, px(3495), px(1455));
    auto* names = new QGroupBox(tr("Názvy stavů"), this);
    names->setGeometry(px(120), px(1560), px(3495), px(1455));
    auto* levels = new QGroupBox(tr("Úrovně"), this);
    levels->setGeometry(px(3720), 0, px(4815), px(5655));

    // Parent, position, size and tooltip of every text field, in the order of Text.
    struct EditSpec {
        QWidget* parent;
        int x, y, w;
        const char* tip;
    };
    const EditSpec edits[AnalogDialogLogic::kTextCount] = {
        {general, 120, 315, 3255, QT_TRANSLATE_NOOP("torval::AnalogDialog", "Název analogového vstupu")},
        {names, kStateNameX, 960, 3375 - kStateNameX,
         QT_TRANSLATE_NOOP("torval::AnalogDialog", "Název stavu LOW (nízká)")},
        {names, kStateNameX, 600, 3375 - kStateNameX,
         QT_TRANSLATE_NOOP("torval::AnalogDialog", "Název stavu MEDIUM (normální)")},
        {names, kStateNameX, 240, 3375 - kStateNameX,
         QT_TRANSLATE_NOOP("torval::AnalogDialog", "Název stavu HIGH (vysoká)")},
        {levels, 735, 750, 645, QT_TRANSLATE_NOOP("torval::AnalogDialog", "Hodnota úrovně CL1")},
        {levels, 735, 1275, 645, QT_TRANSLATE_NOOP("torval::AnalogDialog", "Hodnota  hystereze CL1")},
        {levels, 735, 3045, 645, QT_TRANSLATE_NOOP("torval::AnalogDialog", "Hodnota úrovně CL2")},
        {levels, 735, 3570, 645, QT_TRANSLATE_NOOP("torval::AnalogDialog", "Hodnota  hystereze CL2")},
        {levels, 2160, 960, 2415, nullptr},
        {levels, 2160, 1935, 2415, nullptr},
        {levels, 2160, 3240, 2415, nullptr},
        {levels, 2160, 4230, 2415, nullptr},
    };
    for (int i = 0; i < AnalogDialogLogic::kTextCount; ++i) {
        const auto t = static_cast<T>(i);
        const EditSpec& s = edits[i];
        const bool level = isLevelField(t);
        auto* e = place(boundEdit(m_logic, t, level ? 4 : 100, s.parent,
                                  level ? std::function<void()>([this] { refreshGraph(); }) : std::function<void()>()),
                        s.x, s.y, s.w, 285);
        if (s.tip)
            e->setToolTip(tr(s.tip));
        if (level)
            e->setAlignment(Qt::AlignRight);
        m_edits[i] = e;
    }

    struct BoxSpec {
        QWidget* parent;
        int x, y, w, h;
        const char* caption;
    };
    const BoxSpec boxes[AnalogDialogLogic::kFlagCount] = {
        {levels, 1920, 750, 2745, 225, QT_TRANSLATE_NOOP("torval::AnalogDialog", "Hlásit přechod nahoru přes CL1")},
        {levels, 1890, 1725, 2745, 225, QT_TRANSLATE_NOOP("torval::AnalogDialog", "Hlásit přechod dolu přes CL1")},
        {levels, 1890, 3045, 2745, 225, QT_TRANSLATE_NOOP("torval::AnalogDialog", "Hlásit přechod nahoru přes CL2")},
        {levels, 1890, 4020, 2745, 225, QT_TRANSLATE_NOOP("torval::AnalogDialog", "Hlásit přechod dolu přes CL2")},
        {levels, 240, 5160, 4455, 225,
         QT_TRANSLATE_NOOP("torval::AnalogDialog", "Negace vstupu (neguje se ihned po vzorkování)")},
        {general, 120, 1080, 3255, 225,
         QT_TRANSLATE_NOOP("torval::AnalogDialog", "Uvádět ve zprávě o stavu jméno stavu")},
        {general, 120, 720, 3255, 225, QT_TRANSLATE_NOOP("torval::AnalogDialog", "Uvádět ve zprávě o stavu hodnotu")},
        {levels, 2160, 1320, 1335, 195, QT_TRANSLATE_NOOP("torval::AnalogDialog", "odeslat ihned")},
        {levels, 2160, 2280, 1335, 195, QT_TRANSLATE_NOOP("torval::AnalogDialog", "odeslat ihned")},
        {levels, 2160, 3600, 1335, 195, QT_TRANSLATE_NOOP("torval::AnalogDialog", "odeslat ihned")},
        {levels, 2160, 4560, 1335, 195, QT_TRANSLATE_NOOP("torval::AnalogDialog", "odeslat ihned")},
    };
    for (int i = 0; i < AnalogDialogLogic::kFlagCount; ++i) {
        const auto f = static_cast<F>(i);
        const BoxSpec& s = boxes[i];
        auto* b = place(new QCheckBox(tr(s.caption), s.parent), s.x, s.y, s.w, s.h);
        b->setChecked(logic.flag(f));
        m_boxes[i] = b;
        connect(b, &QCheckBox::toggled, this, [this, f](bool on) {
            m_logic.setFlag(f, on);
            syncEnabled();
            if (f == F::Neg)
                refreshGraph();
        });
    }

    label(general, tr("Název:"), 120, 120);
    // The dotted leaders run up to the state-name fields: as many dots as the
    // desktop font fits in front of the field, never a dot cut in half.
    for (auto [text, y] : {std::pair{QT_TRANSLATE_NOOP("torval::AnalogDialog", "HIGH (vysoká)"), 300},
                           std::pair{QT_TRANSLATE_NOOP("torval::AnalogDialog", "MEDIUM (střední)"), 660},
                           std::pair{QT_TRANSLATE_NOOP("torval::AnalogDialog", "LOW (nízká)"), 1020}})
        dottedLeader(label(names, tr(text), 120, y), px(kStateNameX - 120) - 4);

    // The CL1 and CL2 blocks differ only in their vertical position.
    struct Block {
        const char* name;
        const char* meaning;
        int nameX, top, level, hyst, unitLevel, unitHyst;
    };
    const Block blocks[2] = {
        {"CL1", QT_TRANSLATE_NOOP("torval::AnalogDialog", "(hranice stavů LOW a MEDIUM)"), 120, 420, 855, 1380, 810,
         1320},
        {"CL2", QT_TRANSLATE_NOOP("torval::AnalogDialog", "(hranice stavů MEDIUM a HIGH)"), 105, 2715, 3150, 3675, 3120,
         3630},
    };
    for (const Block& b : blocks) {
        QLabel* caption = label(levels, tr(b.name), b.nameX, b.top - 15);
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        caption->adjustSize();
        label(levels, tr(b.meaning), 600, b.top);
        auto* line = new QFrame(levels);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(px(120), px(b.top + 210) - 1, px(3000 - 120), 2);
        label(levels, tr("úroveň"), 105, b.level - 30);
        label(levels, tr("hyster."), 105, b.hyst - 30);
        label(levels, logic.scale().unit, 1440, b.unitLevel);
        label(levels, logic.scale().unit, 1440, b.unitHyst);
    }

    m_graph = new GraphWidget(this);
    m_graph->move(px(120), px(3120));

    place(okButton(), 3015, 5760, 1095, 375);
    place(stornoButton(), 4560, 5760, 1095, 375);

    syncEnabled();
    refreshGraph();
    // The left column first (name, report options, state names), then the
    // levels group row by row.
    setKeyboardOrder({edit(T::Nazev),  box(F::Prc),          box(F::Zpr),        edit(T::StateH),
                      edit(T::StateM), edit(T::StateL),      edit(T::CL1Level),  box(F::CL1UpEvent),
                      edit(T::CL1Up),  edit(T::HCL1Level),   box(F::AlarmCL1Up), box(F::CL1DnEvent),
                      edit(T::CL1Dn),  box(F::AlarmCL1Down), edit(T::CL2Level),  box(F::CL2UpEvent),
                      edit(T::CL2Up),  edit(T::HCL2Level),   box(F::AlarmCL2Up), box(F::CL2DnEvent),
                      edit(T::CL2Dn),  box(F::AlarmCL2Down), box(F::Neg)});

    setOkHandler([this] {
        if (m_logic.ok())
            return true;
        edit(T::CL1Level)->setFocus(Qt::OtherFocusReason);
        return false;
    });
    setCancelHandler([this] { m_logic.cancel(); });
}

void AnalogDialog::refreshGraph()
{
    m_graph->setGraph(m_logic.scale(), m_logic.text(T::CL1Level), m_logic.text(T::HCL1Level), m_logic.text(T::CL2Level),
                      m_logic.text(T::HCL2Level), m_logic.flag(F::Neg));
}

void AnalogDialog::syncEnabled()
{
    for (F f : {F::AlarmCL1Up, F::AlarmCL1Down, F::AlarmCL2Up, F::AlarmCL2Down})
        box(f)->setEnabled(m_logic.alarmEnabled(f));
}

} // namespace torval
