// SPDX-License-Identifier: MIT
#pragma once
// The explorer's tree of nodes, without widgets. Keys are unique; every node has an index,
// its 1-based position among all nodes in the order they were added, closed up when nodes
// are removed. A sorted node keeps its children ordered by their text, also those added
// later. A listener (the tree widget) mirrors every change.

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace ztk::legendo {

// Images of the tree's image list. PinkClip is in the list but no node uses it.
enum class NodeImage { CloseFolder, RedClip, GreenClip, OrangeClip, BlueClip, PinkClip };

// The image list key: "closeFolder", "redClip", ...
const char* imageKey(NodeImage image);

struct ExplorerNode {
    std::string key;
    std::string text;
    NodeImage image = NodeImage::CloseFolder;
    ExplorerNode* parent = nullptr;
    // In the order shown.
    std::vector<ExplorerNode*> children;
    bool sorted = false;
    bool expanded = false;
};

class ExplorerListener {
  public:
    virtual ~ExplorerListener() = default;
    // `node` was added at `position` among its parent's children (a top-level node when
    // it has no parent).
    virtual void nodeAdded(const ExplorerNode& node, int position) = 0;
    // The node and everything below it are gone.
    virtual void nodeRemoved(const std::string& key) = 0;
    virtual void nodeImageChanged(const ExplorerNode& node) = 0;
    // The children of `parent` were put in a new order.
    virtual void childrenReordered(const ExplorerNode& parent) = 0;
    virtual void nodeExpanded(const std::string& key) = 0;
    virtual void nodeSelected(const std::string& key) = 0;
};

class ExplorerTree {
  public:
    ExplorerTree();
    ~ExplorerTree();
    ExplorerTree(const ExplorerTree&) = delete;
    ExplorerTree& operator=(const ExplorerTree&) = delete;

    void setListener(ExplorerListener* listener) { listener_ = listener; }

    // Adds a node below `parentKey` (at the top level when it is empty). Refuses, with
    // nullptr, a key that is already in the tree or a parent that is not.
    const ExplorerNode* add(const std::string& parentKey, const std::string& key,
                            const std::string& text, NodeImage image);
    // Removes the node and all nodes below it; false when there is no such node.
    bool remove(const std::string& key);
    // Orders the node's children by text, now and whenever one is added.
    void setSorted(const std::string& key);
    void setImage(const std::string& key, NodeImage image);
    void expand(const std::string& key);
    // Selects the node; false when there is no such node.
    bool select(const std::string& key);

    const ExplorerNode* find(const std::string& key) const;
    bool contains(const std::string& key) const { return find(key) != nullptr; }
    // The node's index, or 0 when there is no such node.
    int index(const std::string& key) const;
    // All nodes in the order they were added (position i has index i + 1).
    std::vector<const ExplorerNode*> nodes() const;
    std::size_t size() const { return nodes_.size(); }
    const std::string& selectedKey() const { return selected_; }

  private:
    ExplorerNode* findMutable(const std::string& key) const;
    std::vector<ExplorerNode*>& siblingsOf(ExplorerNode* parent);
    void collect(ExplorerNode* node, std::vector<ExplorerNode*>& out) const;

    std::vector<std::unique_ptr<ExplorerNode>> nodes_;
    std::unordered_map<std::string, ExplorerNode*> byKey_;
    std::vector<ExplorerNode*> topLevel_;
    std::string selected_;
    ExplorerListener* listener_ = nullptr;
};

}  // namespace ztk::legendo
