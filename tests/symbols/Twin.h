#pragma once
// A class that two files define: Value() out of line in each (two definitions of one name),
// Inline() in the class (defined alike wherever it is used).

class Twin {
public:
    int Value() const;
    int Inline() const { return 3; }
};
