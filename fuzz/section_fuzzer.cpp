// Section evaluation from arbitrary texts and codes.
#include "checks.h"
#include "number/number.h"
#include "section/section.h"
#include "split.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::uint8_t code = data[0];
    const auto texts = fuzzcheck::SplitTexts(
        std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), 7);
    zolk::SectionTexts fields;
    for (int i = 0; i < 7; ++i)
        fields[i] = texts[i];
    const zolk::SectionResult r = zolk::EvaluateSectionTexts(fields, code);
    const double values[] = {r.values.area, r.values.inertia, r.values.modulus,
                             r.values.polarInertia, r.values.polarModulus};
    for (double v : values) {
        fuzzcheck::RequireFinite(v, "section value");
        const std::string e = zolk::FormatExponent(v);
        fuzzcheck::Require(fuzzcheck::IsExponentText(e), "section label", e);
        if (r.fault != zolk::Fault::None)
            fuzzcheck::Require(v == 0, "a fault leaves zeros");
    }
    if (code >= zolk::kSectionCodeCount)
        for (double v : values)
            fuzzcheck::Require(v == 0, "unknown code gives zeros");
    // Each field shows one of the two colours: valid exactly when its text is a usable number.
    for (int i = 0; i < 7; ++i)
        if (!zolk::ReadNumber(texts[i]))
            fuzzcheck::Require(!r.valid[i], "a text that is no number is marked");

    const zolk::LengthResult length = zolk::ReadLength(texts[0]);
    fuzzcheck::RequireFinite(length.value, "length");
    fuzzcheck::Require(length.valid == (length.value > 1e-10), "length validity");
    return 0;
}
