#pragma once

// Registers the property form of every kind that has one.
namespace PropertyForms {
void Register();
}
