// The component model: TPersistent (class information and Assign) and
// TComponent (an owner that frees what it owns, free-notification, and the
// loading and designing states).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessel {

struct TClassInfo;

class TPersistent {
 public:
  virtual ~TPersistent() = default;
  virtual const TClassInfo& ClassType() const = 0;
  std::string_view ClassName() const;
  // True when this object's class is `className` or derives from it.
  bool InheritsFrom(std::string_view className) const;
  // Copies what this class knows of Source; the default ignores it.
  virtual void Assign(const TPersistent* source);
};

using TObject = TPersistent;

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_[index]; }
  TComponent* FindComponent(std::string_view name) const;

  // True between BeginLoading and EndLoading (reading from a stream).
  bool Loading() const { return loading_; }
  // True while the component is being designed in an IDE host.
  bool Designing() const { return designing_; }
  void SetDesigning(bool value) { designing_ = value; }
  void BeginLoading() { loading_ = true; }
  // Ends loading and calls Loaded.
  void EndLoading();

  // Asks to be told through Notification when `component` is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  virtual void Loaded() {}

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  TComponent* owner_;
  std::string name_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> notified_;
  bool loading_ = false;
  bool designing_ = false;
};

}  // namespace tessel
