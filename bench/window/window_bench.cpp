// What one keystroke and one page switch cost on the real form (offscreen, no painting):
// from the key event until every label and field colour is set.
#include "app/panel.h"
#include "offscreen_form.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

TKalvero* form = nullptr;

// Alternates typing a digit and deleting it, so the text stays the same length.
void Keystroke(benchmark::State& state, const char* edit, int page) {
    form->ShowPage(static_cast<std::int8_t>(page));
    auto* field = form->findChild<QLineEdit*>(QString::fromLatin1(edit));
    field->setFocus();
    field->end(false);
    bool digit = true;
    for (auto _ : state) {
        if (digit)
            benchform::SendKey(field, QEvent::KeyPress, Qt::Key_1, QStringLiteral("1"));
        else
            benchform::SendKey(field, QEvent::KeyPress, Qt::Key_Backspace, QString());
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
        benchform::SendMouse(tab, QEvent::MouseButtonPress);
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
    const auto kalvero = benchform::ShowForm();
    form = kalvero.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
