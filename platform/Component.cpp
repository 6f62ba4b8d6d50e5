#include "platform/Component.h"

#include <algorithm>

#include "platform/Reflection.h"

namespace tessel {

std::string_view TPersistent::ClassName() const { return ClassType().Name; }

bool TPersistent::InheritsFrom(std::string_view className) const {
  return tessel::InheritsFrom(ClassType(), className);
}

void TPersistent::Assign(const TPersistent*) {}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->InsertComponent(this);
}

TComponent::~TComponent() {
  // Tell everyone who asked, then free what this component owns.
  const std::vector<TComponent*> notified = std::move(notified_);
  for (TComponent* c : notified) {
    c->RemoveFreeNotification(this);
    c->Notification(this, TOperation::opRemove);
  }
  while (!components_.empty()) delete components_.back();
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  for (TComponent* c : components_)
    if (c->Name() == name) return c;
  return nullptr;
}

void TComponent::EndLoading() {
  loading_ = false;
  Loaded();
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(notified_.begin(), notified_.end(), component) == notified_.end()) notified_.push_back(component);
  if (std::find(component->notified_.begin(), component->notified_.end(), this) == component->notified_.end())
    component->notified_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) { std::erase(notified_, component); }

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertComponent(TComponent* component) { components_.push_back(component); }

void TComponent::RemoveComponent(TComponent* component) {
  std::erase(components_, component);
  std::erase(notified_, component);
}

}  // namespace tessel
