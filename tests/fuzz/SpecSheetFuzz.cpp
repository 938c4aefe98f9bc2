// Spec-sheet export with the texts and values only the sheets show: a single
// export and a family of two. An export that reports success must leave a
// workbook that reads back; a failed one may only say so.
// Input: drive name, motor name, winding, thermal condition, the reference
// winding's motor name and the four orientations on lines, then the numbers
// linear, hide, Lmax, Lmin, Weight, BrakeWeight, BrakeInertia, TwMax.

#include "FuzzInput.h"
#include "FuzzTarget.h"
#include "XlsxPackage.h"

#include "ServoSet.h"

#include "sizing/MessageSink.h"
#include "sizing/MotorModelACX.h"
#include "sizing/SizingError.h"

#include <filesystem>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

int g_messages = 0;

void expectWorkbook(const fs::path& path)
{
    const std::string problem = xlsxProblem(path.string());
    if (!problem.empty())
        std::fprintf(stderr, "%s\n", problem.c_str());
    FUZZ_CHECK(problem.empty(), "an export that succeeded reads back");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Pulvane_V4::SetMessageSink([](const std::string&, const std::string&) { ++g_messages; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const fs::path folder = [] {
        fs::path p = fs::temp_directory_path() / ("quenro-fuzz-spec-" + std::to_string(::getpid()));
        fs::create_directories(p);
        return p;
    }();
    FuzzInput in(data, size);
    std::string text[9];
    for (std::string& t : text)
        t = in.line();
    const bool linear = in.flag();
    const bool hide = in.flag();
    double value[6];
    for (double& v : value)
        v = in.number();

    Pulvane_V4::MotorModelACX acx;
    Pulvane_V4::MotorTSModel& motor = acx.DLLMotor();
    Load(acx, linear ? LinearSet() : ServoSet {});
    motor.mbolHideSheets = hide;
    motor.SetReferenceParameters(text[0], text[1], text[2], text[3], value[0], value[1], value[2], value[3],
                                 value[4], value[5]);
    motor.SetRefScalingParmeters(40, 22, text[4], 0.4, 2, 1, 50, 20, text[5], text[6], 44, 23, 0.4, 2, 1, 50,
                                 20, text[7], text[8]);
    const fs::path single = folder / "single.xlsx";
    const fs::path family = folder / "family.xlsx";
    fs::remove(single);
    fs::remove(family);
    try {
        if (motor.ExportExcelSpecSheet(single.string()))
            expectWorkbook(single);
        motor.OpenExcelFamSpecSheet();
        const bool first = motor.ExportExcelFamSpecSheet();
        const bool second = first && motor.ExportExcelFamSpecSheet();
        g_messages = 0;
        motor.CloseExcelFamSpecSheet(family.string());
        if (second && g_messages == 0)
            expectWorkbook(family);
    } catch (const Pulvane_V4::SizingError&) {
    }
    return 0;
}
