#pragma once
// What the part and mult reports print, read from the files beforehand: plain values, so that
// the report composers never touch a document and a file that fails to load prints nothing.

#include "shell/PrintManager.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct MultReportPart {
    std::string job, group, mark;
    std::uint32_t quantity = 0;
    std::string lengthText, remarkA, remarkB;
    std::vector<ReportTool> tools;
};

struct MultReportData {
    std::string job, group, mark;
    std::uint32_t sequence = 0, quantity = 0;
    std::string lengthText, kerfText, dropText;
    std::string shapeType, shapeSize, grade, machine, remarkA, remarkB;
    std::vector<MultReportPart> parts;
};

// One pattern of a face; lengths in inches.
struct ReportPattern {
    double startX = 0, startU = 0, incrementX = 0, incrementU = 0;
    int countX = 0, countU = 0;
    int operation = 0;   // 0 hole, 1 front layout, 2 back layout
    double planeStartX = 0, planeStartU = 0, planeRise = 0, planeRun = 0;
    char planeDirectionX = '+', planeDirectionU = '+';
    char patternType = 'A';   // 'C': centred, two positions per element
    std::string toolDescription;
    // Element positions (x, u) in walk order: X index outer, U inner; a centred pattern gives two
    // per element.
    std::vector<std::array<double, 2>> elements;
};

struct PartReportData {
    enum Face { web, topFlange, bottomFlange, web2, faceCount };

    std::string job, group, mark;
    std::uint32_t quantity = 0;
    std::string lengthText, shapeType, shapeSize, grade, fabCode, remarkA, remarkB;
    int measureWebDepth = 0;
    int channelLeg = 0;
    int measuringSystem = 0;   // 0 imperial, 1 decimal inch, 2 metric
    double length = 0;         // inches
    int profileKind = 0;       // ShapeKind of the part's shape
    double depth = 0, flangeWidth = 0;
    std::vector<ReportTool> tools;   // one per hole pattern of each face, coded by face and side
    std::array<std::vector<ReportPattern>, faceCount> faces;
};

// Reads the files a report lists; nothing when a file can't be read (the caller reports it).
class ReportSource {
public:
    virtual ~ReportSource() = default;
    virtual std::optional<PartReportData> ReadPart(const std::string& path) = 0;
    virtual std::optional<MultReportData> ReadMult(const std::string& path) = 0;
};
