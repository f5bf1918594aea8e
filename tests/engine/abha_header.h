// The header values of the pinned Abha year (tests/data/AzaanTimes_abha.dat).
#pragma once

#include "engine/qibla.h"
#include "engine/times_header.h"

namespace engine_test {

inline engine::HeaderValues Abha() {
    engine::HeaderValues v;
    v.cityText = "Abha";
    v.latitude = 18.233;
    v.longitude = 42.517;
    v.timeZone = 3;
    double raw = 0;
    engine::CalcQibla(v.latitude, v.longitude, raw, v.qiblaBearing);
    v.createdDate = "10 Dec 2026";
    v.createdTime = "8:00:00 AM";
    v.asrFactor = 1;
    return v;
}

}  // namespace engine_test
