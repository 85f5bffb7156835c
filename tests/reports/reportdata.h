#pragma once

#include "support/fixture.h"

// A database with a few trainees, letters, placements and units for the report tests.
class ReportTest : public KursanTest {
protected:
    void addUnit(const QString& code, const QString& name, const QString& phone = "0274-1");
    // A trainee; with a letter (reply "Dapat") when `ns` is given.
    void addTrainee(const QString& np, const QString& ns, const QString& name,
                    const QString& birth = "05/01/85");
    void addPlacement(const QString& np, const QString& period, const QString& unit);
    // Two units, three trainees: 001 placed once, 002 placed twice, 003 without letter or
    // placement.
    void addSample();
    // The letters of 2005 whose register is known by hand (registerOf2005), and two of other
    // years that a loose year filter would take.
    void addRegisterSample();
    static const QStringList registerOf2005; // "Ns|Np|Nama|Jawaban|Unit|Periode|Keterangan"
    // One placed trainee whose every value is as long as its box on the forms takes, in
    // capitals and the widest letters (W, M): where the printed documents are tightest.
    void addAtLimits();
    // The year 2005 as the yearly statistics count it by hand (statistik_test.cpp says what
    // each row is for), with a placement of 2006 and one of 2015 beside it.
    void addStatistikSample();
    static const QStringList atLimits; // the trainee's values, in TKursan's column order
    static const QString unitAtLimit, periodAtLimit;
};
