// SPDX-License-Identifier: MIT
#include "legendo/explorertree.h"

#include <QString>

#include <algorithm>

namespace ztk::legendo {
namespace {

// Text order as the tree shows it: letter case set aside first, then exact.
bool textLess(const std::string& a, const std::string& b) {
    const int folded =
        QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive);
    if (folded != 0) return folded < 0;
    return a < b;
}

}  // namespace

const char* imageKey(NodeImage image) {
    switch (image) {
        case NodeImage::CloseFolder:
            return "closeFolder";
        case NodeImage::RedClip:
            return "redClip";
        case NodeImage::GreenClip:
            return "greenClip";
        case NodeImage::OrangeClip:
            return "orangeClip";
        case NodeImage::BlueClip:
            return "blueClip";
        case NodeImage::PinkClip:
            return "pinkClip";
    }
    return "closeFolder";
}

ExplorerTree::ExplorerTree() = default;
ExplorerTree::~ExplorerTree() = default;

ExplorerNode* ExplorerTree::findMutable(const std::string& key) const {
    const auto found = byKey_.find(key);
    return found == byKey_.end() ? nullptr : found->second;
}

const ExplorerNode* ExplorerTree::find(const std::string& key) const {
    return findMutable(key);
}

std::vector<ExplorerNode*>& ExplorerTree::siblingsOf(ExplorerNode* parent) {
    return parent ? parent->children : topLevel_;
}

const ExplorerNode* ExplorerTree::add(const std::string& parentKey, const std::string& key,
                                      const std::string& text, NodeImage image) {
    if (contains(key)) return nullptr;
    ExplorerNode* parent = nullptr;
    if (!parentKey.empty()) {
        parent = findMutable(parentKey);
        if (!parent) return nullptr;
    }
    auto owned = std::make_unique<ExplorerNode>();
    ExplorerNode* node = owned.get();
    node->key = key;
    node->text = text;
    node->image = image;
    node->parent = parent;
    std::vector<ExplorerNode*>& siblings = siblingsOf(parent);
    auto where = siblings.end();
    if (parent && parent->sorted) {
        where = std::upper_bound(siblings.begin(), siblings.end(), node,
                                 [](const ExplorerNode* a, const ExplorerNode* b) {
                                     return textLess(a->text, b->text);
                                 });
    }
    const int position = static_cast<int>(where - siblings.begin());
    siblings.insert(where, node);
    nodes_.push_back(std::move(owned));
    byKey_.emplace(key, node);
    if (listener_) listener_->nodeAdded(*node, position);
    return node;
}

void ExplorerTree::collect(ExplorerNode* node, std::vector<ExplorerNode*>& out) const {
    out.push_back(node);
    for (ExplorerNode* child : node->children)
        collect(child, out);
}

bool ExplorerTree::remove(const std::string& key) {
    ExplorerNode* node = findMutable(key);
    if (!node) return false;
    std::vector<ExplorerNode*> doomed;
    collect(node, doomed);
    std::vector<ExplorerNode*>& siblings = siblingsOf(node->parent);
    siblings.erase(std::find(siblings.begin(), siblings.end(), node));
    bool selectionGone = false;
    for (ExplorerNode* gone : doomed) {
        if (gone->key == selected_) selectionGone = true;
        byKey_.erase(gone->key);
    }
    if (selectionGone) selected_.clear();
    // Removing from the insertion-ordered list closes the indexes up.
    std::erase_if(nodes_, [&](const std::unique_ptr<ExplorerNode>& owned) {
        return std::find(doomed.begin(), doomed.end(), owned.get()) != doomed.end();
    });
    if (listener_) listener_->nodeRemoved(key);
    return true;
}

void ExplorerTree::setSorted(const std::string& key) {
    ExplorerNode* node = findMutable(key);
    if (!node) return;
    node->sorted = true;
    std::stable_sort(
        node->children.begin(), node->children.end(),
        [](const ExplorerNode* a, const ExplorerNode* b) { return textLess(a->text, b->text); });
    if (listener_) listener_->childrenReordered(*node);
}

void ExplorerTree::setImage(const std::string& key, NodeImage image) {
    ExplorerNode* node = findMutable(key);
    if (!node || node->image == image) return;
    node->image = image;
    if (listener_) listener_->nodeImageChanged(*node);
}

void ExplorerTree::expand(const std::string& key) {
    ExplorerNode* node = findMutable(key);
    if (!node) return;
    node->expanded = true;
    if (listener_) listener_->nodeExpanded(key);
}

bool ExplorerTree::select(const std::string& key) {
    if (!contains(key)) return false;
    selected_ = key;
    if (listener_) listener_->nodeSelected(key);
    return true;
}

int ExplorerTree::index(const std::string& key) const {
    const ExplorerNode* node = find(key);
    if (!node) return 0;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (nodes_[i].get() == node) return static_cast<int>(i) + 1;
    }
    return 0;
}

std::vector<const ExplorerNode*> ExplorerTree::nodes() const {
    std::vector<const ExplorerNode*> all;
    all.reserve(nodes_.size());
    for (const auto& node : nodes_)
        all.push_back(node.get());
    return all;
}

}  // namespace ztk::legendo
