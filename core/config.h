#pragma once

// What the configuration needs of the bar window: its place and the primary screen.
class BarPlacement {
public:
    virtual ~BarPlacement() = default;
    virtual int top() const = 0;
    virtual int left() const = 0;
    virtual int width() const = 0;
    virtual void setTop(int top) = 0;
    virtual void setLeft(int left) = 0;
    virtual int primaryScreenWidth() const = 0;
};

// Makes ConfigIni, writes the first-run defaults and places the bar.
void LoadConfig(BarPlacement& bar);
void WriteDefaultConfig();
void SaveWindowPos(const BarPlacement& bar);
