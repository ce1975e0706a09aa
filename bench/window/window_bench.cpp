// What one keystroke and one page switch cost on the real form (offscreen, no painting):
// from the key event until every label and field colour is set.
#include "app/entry.h"
#include "app/kalvero.h"
#include "app/messages.h"
#include "app/panel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

TKalvero* form = nullptr;

void SendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

// Alternates typing a digit and deleting it, so the text stays the same length.
void Keystroke(benchmark::State& state, const char* edit, int page) {
    form->ShowPage(static_cast<std::int8_t>(page));
    auto* field = form->findChild<QLineEdit*>(QString::fromLatin1(edit));
    field->setFocus();
    field->end(false);
    bool digit = true;
    for (auto _ : state) {
        if (digit)
            SendKey(field, Qt::Key_1, QStringLiteral("1"));
        else
            SendKey(field, Qt::Key_Backspace, QString());
        digit = !digit;
    }
}

void BM_KeyInHeight(benchmark::State& state) {
    Keystroke(state, "h", 1);
}
void BM_KeyInForce(benchmark::State& state) {
    Keystroke(state, "Bending_F", 2);
}
void BM_KeyInCustomModulus(benchmark::State& state) {
    Keystroke(state, "Mat_Youngs", 0);
}

void BM_PageSwitch(benchmark::State& state) {
    const std::array<const char*, 2> tabs{"GeometryTab", "BendingTab"};
    int i = 0;
    for (auto _ : state) {
        QWidget* tab = form->findChild<Panel*>(QString::fromLatin1(tabs[i]));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), tab->mapToGlobal(QPointF(3, 3)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tab, &press);
        i = 1 - i;
    }
}

BENCHMARK(BM_KeyInHeight);
BENCHMARK(BM_KeyInForce);
BENCHMARK(BM_KeyInCustomModulus);
BENCHMARK(BM_PageSwitch);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    zolk::ApplyLook();
    zolk::SetMessageHandler([](const QString&) {});
    auto kalvero = std::make_unique<TKalvero>();
    kalvero->show();
    QApplication::processEvents();
    form = kalvero.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
