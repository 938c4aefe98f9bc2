// The sizing library as a client drives it: motor, thermal and drive setters,
// a profile, the pretest with its messages and the torque at the speeds of a
// curve. Any input may end in SizingError; no other exception, no crash.
// Input: the motor type, drive model and motion type on three lines, then the
// numbers of ServoSet in its order, then profile segments (torque time vi vf).

#include "FuzzInput.h"
#include "FuzzTarget.h"

#include "ServoSet.h"

#include "sizing/MessageSink.h"
#include "sizing/MotorModelACX.h"
#include "sizing/SizingError.h"

#include <cmath>
#include <exception>

namespace {

int whole(double value)
{
    return std::isfinite(value) && std::fabs(value) < 1e9 ? static_cast<int>(value) : 0;
}

ServoSet setFrom(FuzzInput& in)
{
    ServoSet s;
    s.MotorType = in.line();
    s.DriveModel = in.line();
    s.motion = in.line();
    for (double* v : {&s.Kb, &s.Rm, &s.Lm, &s.Vm, &s.Jm, &s.Rthwa, &s.Rthwc, &s.Bm, &s.Tfm, &s.Twr, &s.Tamb,
                      &s.Wrmax, &s.Np})
        *v = in.number();
    s.Denable = whole(in.number());
    s.Aenable = whole(in.number());
    for (double* v : {&s.SpeedInc, &s.Rptc, &s.Pbl, &s.MaxIdIm, &s.MaxImId, &s.MaxTmargin})
        *v = in.number();
    for (size_t i = 0; i < s.motorFeedback.size(); ++i)
        s.motorFeedback[i] = in.flag();
    for (double* v : {&s.Tauwnd, &s.Taumc, &s.Twostart, &s.TwMax, &s.TcMax, &s.TcMin, &s.Vs, &s.Vsmax,
                      &s.Vsmin, &s.Sf, &s.Iclim, &s.Iplim, &s.MaxContPower, &s.MaxPeakPower})
        *v = in.number();
    for (size_t i = 0; i < s.ampFeedback.size(); ++i)
        s.ampFeedback[i] = in.flag();
    s.safety = in.number();
    s.torque.clear();
    s.time.clear();
    s.vi.clear();
    s.vf.clear();
    while (in.more() && s.torque.size() < 8) {
        s.torque.push_back(in.number());
        s.time.push_back(in.number());
        s.vi.push_back(in.number());
        s.vf.push_back(in.number());
    }
    for (auto* list : {&s.torque, &s.time, &s.vi, &s.vf})
        list->push_back(0);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The type setters' messages are expected here; nobody reads them.
    Pulvane_V4::SetMessageSink([](const std::string&, const std::string&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const ServoSet set = setFrom(in);
    Pulvane_V4::MotorModelACX acx;
    Pulvane_V4::MotorTSModel& motor = acx.DLLMotor();
    try {
        Load(acx, set);
        motor.DontExitPretestOnErr();
        motor.PretestLimits();
        std::string messages;
        motor.GetMessages(messages);
        const double top = set.Wrmax * 3.1415927 / 30;
        for (int i = 0; i <= 100; ++i) {
            const double w = top * i / 100;
            motor.GetContTorque(w, 0);
            motor.GetPeakTorque(w, 0);
        }
    } catch (const Pulvane_V4::SizingError&) {
    } catch (const std::exception& e) {
        FUZZ_CHECK(false, e.what());
    }
    return 0;
}
