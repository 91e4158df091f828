#include "FakeLenbox.h"

FakeLenboxFactory::FakeLenboxFactory()
    : previous_(CLenbox::SetControlFactory([](QWidget* parent) { return new FakeLenbox(parent); }))
{
}

FakeLenboxFactory::~FakeLenboxFactory() { CLenbox::SetControlFactory(std::move(previous_)); }
